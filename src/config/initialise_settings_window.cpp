// The start-up state of the main window, before any config file is chosen.
#include "config/fill_lists.h"
#include "settings/form1.h"
#include "settings/railgun_styles.h"

namespace brisko {

void TForm1::InitialiseSettingsWindow() {
    // 1. Size: the pages' right edge plus 9; the client ends 4 below SaveTestBtn.
    setBounds(left(), top(), kPagesLeft + kPageWidth + 9,
              height() - clientHeight() + kSaveTestBtnTop + kButtonHeight + 4);

    // 2. Pictures shared from the renderer page.
    RailPictures.setImage(PreviewPane.image());
    for (Picture* strip : {&ImgCvarRen, &ImgDescriptClient, &ImgCvarClient, &ImgDescriptRail,
                           &ImgCvarRail, &ImgDescriptNet, &ImgCvarNet})
        strip->setImage(ImgDescriptRen.image());

    // 3.
    Pages.bringToFront(RendererOptions);

    // 4.
    GammaCombo.setItemIndex(20);
    TextureDepthCombo.setItemIndex(0);
    r_lodbiasCombo.setItemIndex(1);
    IntensityCombo.setItemIndex(40);
    TuneCombo.setItemIndex(0);
    Accelerator.setItemIndex(0);

    // 5.
    rdrawsun.setEnabled(rfastsky.checked());
    rnoportals.setEnabled(rfastsky.checked());

    // 6.
    RailGunStyleCombo.setItemIndex(0);
    UpdateHelpPanel(kRailPage, "Quake3Arena default Railgun setting.", "N/A");

    // 7. 2.0 secs down to 0.5 secs, then "No Ammo"; no selection.
    FillTimeList(cgbrasstimeCombo, 20, 5);
    cgbrasstimeCombo.addItem("No Ammo");

    // 8.
    FillNumberList(HandicapCombo, 100, 1, Direction::Down, 1, 0);
    FillNumberList(FovCombo, 160, 10, Direction::Down, 10, 7);
    MsgDisplayCombo.addItem("None");
    FillNumberList(MsgDisplayCombo, 1, 5, Direction::Up, 1, 3);
    FillNumberList(MaxPacketsCombo, 90, 20, Direction::Down, 1, 60);

    // 9.
    FillNumberList(MaxFPSCombo, 75, 30, Direction::Down, 1, -1);
    MaxFPSCombo.addItem("0");
    MaxFPSCombo.setItemIndex(46);

    // 10.
    EffectColorCombo.setItemIndex(3);
    ShadowCombo.setItemIndex(0);
    TextureModeCombo.setItemIndex(3);
    TextureSizeCombo.setItemIndex(1);

    // 11.
    FillNumberList(FlareSizeCombo, 150, 0, Direction::Down, 1, 110);

    // 12.
    ResolutionCombo.setItemIndex(2);
    ColorDepthCombo.setItemIndex(0);

    // 13.
    FillNumberList(RateCombo, 25000, 10001, Direction::Down, 2500, -1);
    FillNumberList(RateCombo, 10000, 5001, Direction::Down, 500, -1);
    FillNumberList(RateCombo, 5000, 2500, Direction::Down, 100, 36);

    // 14.
    FlareSizeCombo.setEnabled(rflares.checked());
    LblFlareSize.setEnabled(rflares.checked());

    // 15. 2.5 secs down to 0.1 secs, then "No Trail".
    FillTimeList(RailTrailTimeCombo, 25, 1);
    RailTrailTimeCombo.addItem("No Trail");
    RailTrailTimeCombo.setItemIndex(21);

    // 16.
    SkinColorCombo.setItemIndex(0);
    ComboModel.setItemIndex(0);

    // 17.
    writeRailSliderLabel(*this, InnerWidth);
    writeRailSliderLabel(*this, OuterWidth);
    writeRailSliderLabel(*this, Distance);

    // 18. Moving the volume runs its reaction.
    SampleRateCombo.setItemIndex(1);
    SoundVolume.setPosition(7);
}

}  // namespace brisko
