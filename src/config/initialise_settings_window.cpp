// The start-up state of the main window, before any config file is chosen.
#include "config/fill_lists.h"
#include "config/load_config.h"
#include "settings/railgun_styles.h"

namespace brisko {

void InitialiseSettingsWindow(TForm1& form) {
    // 1. Size: the pages' right edge plus 9; the client ends 4 below SaveTestBtn.
    form.setBounds(
        form.left(), form.top(), TForm1::kPagesLeft + TForm1::kPageWidth + 9,
        form.height() - form.clientHeight() + TForm1::kSaveTestBtnTop + TForm1::kButtonHeight + 4);

    // 2. Pictures shared from the renderer page.
    form.RailPictures.setImage(form.PreviewPane.image());
    for (Picture* strip :
         {&form.ImgCvarRen, &form.ImgDescriptClient, &form.ImgCvarClient, &form.ImgDescriptRail,
          &form.ImgCvarRail, &form.ImgDescriptNet, &form.ImgCvarNet})
        strip->setImage(form.ImgDescriptRen.image());

    // 3.
    form.Pages.bringToFront(form.RendererOptions);

    // 4.
    form.GammaCombo.setItemIndex(20);
    form.TextureDepthCombo.setItemIndex(0);
    form.r_lodbiasCombo.setItemIndex(1);
    form.IntensityCombo.setItemIndex(40);
    form.TuneCombo.setItemIndex(0);
    form.Accelerator.setItemIndex(0);

    // 5.
    form.rdrawsun.setEnabled(form.rfastsky.checked());
    form.rnoportals.setEnabled(form.rfastsky.checked());

    // 6.
    form.RailGunStyleCombo.setItemIndex(0);
    form.UpdateHelpPanel(kRailPage, "Quake3Arena default Railgun setting.", "N/A");

    // 7. 2.0 secs down to 0.5 secs, then "No Ammo"; no selection.
    FillTimeList(form.cgbrasstimeCombo, 20, 5);
    form.cgbrasstimeCombo.addItem("No Ammo");

    // 8.
    FillNumberList(form.HandicapCombo, 100, 1, Direction::Down, 1, 0);
    FillNumberList(form.FovCombo, 160, 10, Direction::Down, 10, 7);
    form.MsgDisplayCombo.addItem("None");
    FillNumberList(form.MsgDisplayCombo, 1, 5, Direction::Up, 1, 3);
    FillNumberList(form.MaxPacketsCombo, 90, 20, Direction::Down, 1, 60);

    // 9.
    FillNumberList(form.MaxFPSCombo, 75, 30, Direction::Down, 1, -1);
    form.MaxFPSCombo.addItem("0");
    form.MaxFPSCombo.setItemIndex(46);

    // 10.
    form.EffectColorCombo.setItemIndex(3);
    form.ShadowCombo.setItemIndex(0);
    form.TextureModeCombo.setItemIndex(3);
    form.TextureSizeCombo.setItemIndex(1);

    // 11.
    FillNumberList(form.FlareSizeCombo, 150, 0, Direction::Down, 1, 110);

    // 12.
    form.ResolutionCombo.setItemIndex(2);
    form.ColorDepthCombo.setItemIndex(0);

    // 13.
    FillNumberList(form.RateCombo, 25000, 10001, Direction::Down, 2500, -1);
    FillNumberList(form.RateCombo, 10000, 5001, Direction::Down, 500, -1);
    FillNumberList(form.RateCombo, 5000, 2500, Direction::Down, 100, 36);

    // 14.
    form.FlareSizeCombo.setEnabled(form.rflares.checked());
    form.LblFlareSize.setEnabled(form.rflares.checked());

    // 15. 2.5 secs down to 0.1 secs, then "No Trail".
    FillTimeList(form.RailTrailTimeCombo, 25, 1);
    form.RailTrailTimeCombo.addItem("No Trail");
    form.RailTrailTimeCombo.setItemIndex(21);

    // 16.
    form.SkinColorCombo.setItemIndex(0);
    form.ComboModel.setItemIndex(0);

    // 17.
    writeRailSliderLabel(form, form.InnerWidth);
    writeRailSliderLabel(form, form.OuterWidth);
    writeRailSliderLabel(form, form.Distance);

    // 18. Moving the volume runs its reaction.
    form.SampleRateCombo.setItemIndex(1);
    form.SoundVolume.setPosition(7);
}

}  // namespace brisko
