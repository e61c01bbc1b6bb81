// The start-up state of the main window, before any config file is chosen.
#include <span>

#include "config/fill_lists.h"
#include "config/load_config.h"
#include "settings/railgun_styles.h"

namespace brisko {

namespace {

// Values players of today choose, above the first releases' lists: the frame
// rates the engines give (whole milliseconds a frame), the packet rates up to the
// engines' 125, the rates up to the servers' 90000.
constexpr const char* kTodaysFrameRates[] = {"1000", "500", "333", "250", "200",
                                             "166",  "125", "100", "85"};
constexpr const char* kTodaysPacketRates[] = {"125", "100"};
constexpr const char* kTodaysRates[] = {"90000", "50000", "30000"};

void addItems(ComboBox& list, std::span<const char* const> items) {
    for (const char* item : items) list.addItem(item);
}

}  // namespace

void InitialiseSettingsWindow(TForm1& form) {
    // The pages' right edge plus 9; the client area ends 4 below SaveTestBtn.
    form.setBounds(
        form.left(), form.top(), TForm1::kPagesLeft + TForm1::kPageWidth + 9,
        form.height() - form.clientHeight() + TForm1::kSaveTestBtnTop + TForm1::kButtonHeight + 4);

    // Pictures shared from the renderer page.
    form.RailPictures.setImage(form.PreviewPane.image());
    for (Picture* strip :
         {&form.ImgCvarRen, &form.ImgDescriptClient, &form.ImgCvarClient, &form.ImgDescriptRail,
          &form.ImgCvarRail, &form.ImgDescriptNet, &form.ImgCvarNet})
        strip->setImage(form.ImgDescriptRen.image());

    form.Pages.bringToFront(form.RendererOptions);

    form.GammaCombo.setItemIndex(20);
    form.TextureDepthCombo.setItemIndex(0);
    form.r_lodbiasCombo.setItemIndex(1);
    form.IntensityCombo.setItemIndex(40);
    form.TuneCombo.setItemIndex(0);
    form.Accelerator.setItemIndex(0);

    form.rdrawsun.setEnabled(form.rfastsky.checked());
    form.rnoportals.setEnabled(form.rfastsky.checked());

    form.RailGunStyleCombo.setItemIndex(0);
    form.UpdateHelpPanel(kRailPage, "Quake3Arena default Railgun setting.", "N/A");

    // 2.0 secs down to 0.5 secs, then "No Ammo"; no selection.
    FillTimeList(form.cgbrasstimeCombo, 20, 5);
    form.cgbrasstimeCombo.addItem("No Ammo");

    FillNumberList(form.HandicapCombo, 100, 1, Direction::Down, 1, 0);
    // Every fifth degree down to 80, then every tenth.
    FillNumberList(form.FovCombo, 160, 80, Direction::Down, 5, -1);
    FillNumberList(form.FovCombo, 70, 10, Direction::Down, 10, -1);
    form.FovCombo.selectItem("90");
    form.MsgDisplayCombo.addItem("None");
    FillNumberList(form.MsgDisplayCombo, 1, 5, Direction::Up, 1, 3);
    addItems(form.MaxPacketsCombo, kTodaysPacketRates);
    FillNumberList(form.MaxPacketsCombo, 90, 20, Direction::Down, 1, -1);
    form.MaxPacketsCombo.selectItem("30");

    addItems(form.MaxFPSCombo, kTodaysFrameRates);
    FillNumberList(form.MaxFPSCombo, 75, 30, Direction::Down, 1, -1);
    form.MaxFPSCombo.addItem("0");
    form.MaxFPSCombo.selectItem("0");

    form.EffectColorCombo.setItemIndex(3);
    form.ShadowCombo.setItemIndex(0);
    form.TextureModeCombo.setItemIndex(3);
    form.TextureSizeCombo.setItemIndex(1);

    FillNumberList(form.FlareSizeCombo, 150, 0, Direction::Down, 1, 110);

    form.ResolutionCombo.setItemIndex(2);
    form.ColorDepthCombo.setItemIndex(0);

    addItems(form.RateCombo, kTodaysRates);
    FillNumberList(form.RateCombo, 25000, 10001, Direction::Down, 2500, -1);
    FillNumberList(form.RateCombo, 10000, 5001, Direction::Down, 500, -1);
    FillNumberList(form.RateCombo, 5000, 2500, Direction::Down, 100, -1);
    form.RateCombo.selectItem("3000");

    form.FlareSizeCombo.setEnabled(form.rflares.checked());
    form.LblFlareSize.setEnabled(form.rflares.checked());

    // 2.5 secs down to 0.1 secs, then "No Trail".
    FillTimeList(form.RailTrailTimeCombo, 25, 1);
    form.RailTrailTimeCombo.addItem("No Trail");
    form.RailTrailTimeCombo.setItemIndex(21);

    form.SkinColorCombo.setItemIndex(0);
    form.ComboModel.setItemIndex(0);

    WriteRailSliderLabel(form, form.InnerWidth);
    WriteRailSliderLabel(form, form.OuterWidth);
    WriteRailSliderLabel(form, form.Distance);

    // Moving the volume runs its reaction.
    form.SampleRateCombo.setItemIndex(1);
    form.SoundVolume.setPosition(7);
}

}  // namespace brisko
