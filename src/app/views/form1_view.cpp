#include "app/views/form1_view.h"

#include <QLabel>
#include <QTreeWidget>

namespace brisko::qt {

namespace {

// Help panel of a page: header strips with bold captions, description (three
// lines of the window's font) and cvar line (two lines), below every page's controls.
#define HELP_PANEL(page, strip1, cap1, text1, strip2, cap2, text2)                  \
    {strip1, page, 4, 324, 545, 14, kNone}, {cap1, page, 8, 324, 120, 14, kBold},   \
        {text1, page, 8, 339, 537, 40, kWordWrap}, {strip2, page, 4, 380, 545, 14}, \
        {cap2, page, 8, 380, 120, 14, kBold}, {                                     \
        text2, page, 8, 395, 537, 27, kWordWrap                                     \
    }

// clang-format off
const LayoutRow kLayout[] = {
    // Left of the window
    {"TreeView1", "", 2, 4, 134, 250},
    {"DefaultBtn", "", 2, 262, 134, 25},
    {"LblAccelerator", "", 4, 300, 130, 16},
    {"Accelerator", "", 4, 318, 130, 22},
    // Pages
    {"Pages", "", 138, 4, 553, 422},
    {"RendererOptions", "Pages", 0, 0, 0, 0},
    {"ClientSettings", "Pages", 0, 0, 0, 0},
    {"RailGunOptions", "Pages", 0, 0, 0, 0},
    {"NetworkOptions", "Pages", 0, 0, 0, 0},
    // Renderer page
    {"LblTune", "RendererOptions", 8, 8, 140, 20},
    {"TuneCombo", "RendererOptions", 150, 6, 190, 22},
    {"PreviewPane", "RendererOptions", 354, 6, 191, 127, kSunken},
    {"Panel1", "RendererOptions", 8, 34, 170, 42},
    {"rlightmaplighting", "Panel1", 0, 0, 170, 20},
    {"rvertexlight", "Panel1", 0, 21, 170, 20},
    {"rdynamiclight", "RendererOptions", 8, 78, 170, 20},
    {"rfullbright", "RendererOptions", 8, 99, 170, 20},
    {"rlightmap", "RendererOptions", 8, 120, 170, 20},
    {"rfastsky", "RendererOptions", 8, 141, 170, 20},
    {"rdrawsun", "RendererOptions", 26, 162, 152, 20},
    {"rnoportals", "RendererOptions", 26, 183, 152, 20},
    {"cgmarks", "RendererOptions", 182, 34, 168, 20},
    {"rextcompresstextures", "RendererOptions", 182, 55, 168, 20},
    {"rfinish", "RendererOptions", 182, 76, 168, 20},
    {"rflares", "RendererOptions", 182, 97, 168, 20},
    {"rsimpleitems", "RendererOptions", 182, 118, 168, 20},
    {"rignorehwgamma", "RendererOptions", 182, 139, 168, 20},
    {"LblCurves", "RendererOptions", 354, 138, 191, 16},
    {"rsubdivisions", "RendererOptions", 354, 156, 191, 22, kNoTicks},
    {"LblHigh", "RendererOptions", 354, 178, 40, 14},
    {"LblGeoDetail", "RendererOptions", 404, 178, 100, 14},
    {"LblLow", "RendererOptions", 520, 178, 26, 14},
    {"LblGamma", "RendererOptions", 8, 212, 88, 22},
    {"GammaCombo", "RendererOptions", 98, 212, 72, 22},
    {"LblIntensity", "RendererOptions", 8, 240, 88, 22},
    {"IntensityCombo", "RendererOptions", 98, 240, 72, 22},
    {"LblWeaponDetail", "RendererOptions", 8, 268, 88, 22},
    {"r_lodbiasCombo", "RendererOptions", 98, 268, 72, 22},
    {"LblFlareSize", "RendererOptions", 8, 296, 88, 22},
    {"FlareSizeCombo", "RendererOptions", 98, 296, 72, 22},
    {"LblShadowType", "RendererOptions", 182, 212, 160, 22},
    {"ShadowCombo", "RendererOptions", 342, 212, 203, 22},
    {"LblTextureMode", "RendererOptions", 182, 240, 160, 22},
    {"TextureModeCombo", "RendererOptions", 342, 240, 203, 22},
    {"LblTextureQuality", "RendererOptions", 182, 268, 92, 22},
    {"TextureDepthCombo", "RendererOptions", 274, 268, 100, 22},
    {"LblTextureSize", "RendererOptions", 382, 268, 70, 22},
    {"TextureSizeCombo", "RendererOptions", 452, 268, 93, 22},
    {"LblColorDepth", "RendererOptions", 182, 296, 92, 22},
    {"ColorDepthCombo", "RendererOptions", 274, 296, 100, 22},
    {"LblResolution", "RendererOptions", 382, 296, 70, 22},
    {"ResolutionCombo", "RendererOptions", 452, 296, 93, 22},
    HELP_PANEL("RendererOptions", "ImgDescriptRen", "Label10", "LblDescriptRenderer", "ImgCvarRen", "Label16", "LblCvarRenderer"),
    // Client page
    {"HudOptions", "ClientSettings", 4, 2, 322, 252},
    {"cgdrawammowarning", "HudOptions", 8, 18, 310, 19},
    {"cgdrawcrosshair", "HudOptions", 8, 37, 310, 19},
    {"cgdrawcrosshairnames", "HudOptions", 8, 56, 310, 19},
    {"crosshairhealth", "HudOptions", 8, 75, 310, 19},
    {"cggun", "HudOptions", 8, 94, 310, 19},
    {"Panel4", "HudOptions", 8, 113, 310, 38},
    {"netgraph", "Panel4", 0, 0, 310, 19},
    {"fragcounter", "Panel4", 0, 19, 310, 19},
    {"cgthirdperson", "HudOptions", 8, 151, 310, 19},
    {"clnoprint", "HudOptions", 8, 170, 310, 19},
    {"Label17", "HudOptions", 8, 189, 170, 22},
    {"MsgDisplayCombo", "HudOptions", 180, 189, 82, 22},
    {"Panel3", "HudOptions", 8, 212, 310, 38},
    {"cgshowfps", "Panel3", 0, 0, 310, 19},
    {"cgdrawtimer", "Panel3", 0, 19, 310, 19},
    {"PlayerMovement", "ClientSettings", 4, 255, 322, 67},
    {"CheckBox7", "PlayerMovement", 8, 20, 310, 15},
    {"CheckBox8", "PlayerMovement", 8, 35, 310, 15},
    {"CheckBox9", "PlayerMovement", 8, 50, 310, 15},
    {"MiscOptions", "ClientSettings", 330, 2, 219, 124},
    {"cgautoswitch", "MiscOptions", 8, 18, 207, 19},
    {"cggibs", "MiscOptions", 8, 37, 207, 19},
    {"rsmp", "MiscOptions", 8, 56, 207, 19},
    {"Label3", "MiscOptions", 8, 76, 203, 18},
    {"cgbrasstimeCombo", "MiscOptions", 8, 96, 100, 22},
    {"PlayerPreferences", "ClientSettings", 330, 130, 219, 192},
    {"Label13", "PlayerPreferences", 8, 20, 96, 22},
    {"HandicapCombo", "PlayerPreferences", 106, 20, 80, 22},
    {"Label12", "PlayerPreferences", 8, 44, 96, 22},
    {"SkinColorCombo", "PlayerPreferences", 106, 44, 80, 22},
    {"Label14", "PlayerPreferences", 8, 68, 96, 22},
    {"FovCombo", "PlayerPreferences", 106, 68, 80, 22},
    {"Label15", "PlayerPreferences", 8, 92, 96, 22},
    {"MaxFPSCombo", "PlayerPreferences", 106, 92, 80, 22},
    {"LblModel", "PlayerPreferences", 8, 116, 96, 22},
    {"ComboModel", "PlayerPreferences", 106, 116, 80, 22},
    {"Label2", "PlayerPreferences", 8, 140, 96, 22},
    {"PlayerName", "PlayerPreferences", 106, 140, 105, 22},
    {"clrun", "PlayerPreferences", 8, 168, 203, 19},
    HELP_PANEL("ClientSettings", "ImgDescriptClient", "Label26", "LblDescriptClient", "ImgCvarClient", "Label27", "LblCvarClient"),
    // Railgun page
    {"Label35", "RailGunOptions", 8, 8, 130, 22},
    {"RailGunStyleCombo", "RailGunOptions", 140, 8, 150, 22},
    {"Label1", "RailGunOptions", 8, 36, 130, 22},
    {"EffectColorCombo", "RailGunOptions", 140, 36, 150, 22},
    {"Label38", "RailGunOptions", 8, 64, 240, 22},
    {"RailTrailTimeCombo", "RailGunOptions", 250, 64, 96, 22},
    {"RailPictures", "RailGunOptions", 354, 6, 191, 127, kSunken},
    {"LblInnerWidth", "RailGunOptions", 8, 100, 330, 18},
    {"InnerWidth", "RailGunOptions", 8, 118, 338, 30},
    {"LblDistance", "RailGunOptions", 8, 158, 330, 18},
    {"Distance", "RailGunOptions", 8, 176, 338, 30},
    {"LblOuterWidth", "RailGunOptions", 8, 216, 330, 18},
    {"OuterWidth", "RailGunOptions", 8, 234, 338, 30},
    HELP_PANEL("RailGunOptions", "ImgDescriptRail", "Label39", "LblRailDescript", "ImgCvarRail", "Label42", "LblRailCvar"),
    // Network and sound page
    {"GroupBox10", "NetworkOptions", 4, 2, 545, 106},
    {"PlayerPredict", "GroupBox10", 10, 20, 400, 20},
    {"Label9", "GroupBox10", 10, 46, 300, 22},
    {"MaxPacketsCombo", "GroupBox10", 312, 46, 90, 22},
    {"Label23", "GroupBox10", 10, 74, 300, 22},
    {"RateCombo", "GroupBox10", 312, 74, 90, 22},
    {"GroupBox9", "NetworkOptions", 4, 114, 545, 150},
    {"loadas8bit", "GroupBox9", 10, 20, 400, 20},
    {"cgfootsteps", "GroupBox9", 10, 42, 400, 20},
    {"Label24", "GroupBox9", 10, 68, 150, 22},
    {"SampleRateCombo", "GroupBox9", 162, 68, 90, 22},
    {"Label25", "GroupBox9", 10, 100, 150, 22},
    {"SoundVolume", "GroupBox9", 162, 98, 240, 32},
    HELP_PANEL("NetworkOptions", "ImgDescriptNet", "Label31", "LblNetDescript", "ImgCvarNet", "Label33", "LblNetCvar"),
    // Bottom row
    {"SaveTestBtn", "", 456, 432, 75, 23},
    {"SaveBtn", "", 536, 432, 75, 23},
    {"ExitBtn", "", 616, 432, 75, 23},
};
// clang-format on
#undef HELP_PANEL

}  // namespace

TForm1View::TForm1View(TForm1& form, MessageBoxes& boxes)
    : WindowView(
          form, boxes, kLayout, [&form](const std::string& name) { return form.find(name); },
          true) {
    form.Pages.onViewSync();
    // The bold captions stand on their header strips.
    for (const char* caption :
         {"Label10", "Label16", "Label26", "Label27", "Label39", "Label42", "Label31", "Label33"})
        widget(caption)->raise();
    window()->defaultButton = &form.SaveBtn;
    window()->onEmptyClick = [&form] { form.FormClick(); };
}

}  // namespace brisko::qt
