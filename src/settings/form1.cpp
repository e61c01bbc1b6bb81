#include "settings/form1.h"

#include <cstdio>
#include <initializer_list>
#include <utility>

namespace brisko {

namespace {

struct CaptionRow {
    const char* control;
    const char* caption;
};

// Captions as the window is built ("&" marks an access key, "&&" shows one "&").
// clang-format off
constexpr CaptionRow kCaptions[] = {
    {"LblTune", "Tune Quake3Arena for:"},
    {"rlightmaplighting", "Lightmap Lighting"},
    {"rvertexlight", "Vertex Lighting"},
    {"rdynamiclight", "Enable Dynamic Lighting"},
    {"rfullbright", "Enable FullBright"},
    {"rlightmap", "Enable Lightmap"},
    {"rfastsky", "High Quality Sky"},
    {"rdrawsun", "Sun Effect"},
    {"rnoportals", "View Through Portals"},
    {"LblGamma", "Gamma:"},
    {"LblIntensity", " Intensity:"},
    {"LblWeaponDetail", " Weapon Detail:"},
    {"LblFlareSize", "Flare Size:"},
    {"LblCurves", "Curve Detail: 999"},
    {"LblHigh", "High"},
    {"LblLow", "Low"},
    {"LblGeoDetail", "Geometric Detail"},
    {"LblShadowType", "Type of shadow to render:"},
    {"LblTextureMode", "Texture mode:"},
    {"cgmarks", "Show Marks on Walls"},
    {"rextcompresstextures", "Compress Textures"},
    {"rfinish", "Sync Every Frame"},
    {"rflares", "Show Light Flares"},
    {"rsimpleitems", "Show Simple Items"},
    {"rignorehwgamma", "Ignore Hardware Gamma"},
    {"LblTextureQuality", "Texture Quality:"},
    {"LblTextureSize", "Texture Size:"},
    {"LblColorDepth", "Color Depth:"},
    {"LblResolution", "Resolution:"},
    {"LblAccelerator", "Type of 3D Accelerator:"},
    {"DefaultBtn", "&Restore Default Settings"},
    {"HudOptions", "Hud Display Options"},
    {"cgdrawammowarning", "Show Low Ammo Warning"},
    {"cgdrawcrosshair", "Show Crosshair"},
    {"cgdrawcrosshairnames", "Show Crosshair Names"},
    {"crosshairhealth", "Change Colour of Crosshair to Match Player Health"},
    {"cggun", "Draw Weapon Model"},
    {"netgraph", "Show Netgraph"},
    {"fragcounter", "Show Frag Counter"},
    {"cgthirdperson", "Third Person View"},
    {"clnoprint", "Show Player Messages"},
    {"Label17", "Show Messages for (secs):"},
    {"cgshowfps", "Show Frames/sec (FPS)"},
    {"cgdrawtimer", "Show Timer"},
    {"MiscOptions", "Miscellaneous Options"},
    {"cgautoswitch", "Automatic Weapon Switching"},
    {"cggibs", "Show Gibs"},
    {"rsmp", "Enable SMP Acceleration Support"},
    {"Label3", "Show Ejected Ammo for:"},
    {"PlayerPreferences", "Player Preferences"},
    {"Label13", "Handicap:"},
    {"Label12", "Player Colour:"},
    {"Label14", "Field of View:"},
    {"Label15", "Max FPS:"},
    {"LblModel", "Model:"},
    {"Label2", "Player Name:"},
    {"clrun", "Always run"},
    {"PlayerMovement", "Player Movement"},
    {"CheckBox7", "Player bob pitch Forward/Back (cg_bobpitch)"},
    {"CheckBox8", "Player rolls side to side (cg_bobroll)"},
    {"CheckBox9", "Player bobs up && down when moving (cg_bobup)"},
    {"Label35", "Rail Gun Style:"},
    {"Label1", "Effect Colour:"},
    {"Label38", "Duration Railgun Slug Trail is Visible:"},
    {"LblInnerWidth", "Inner Trail Width: "},
    {"LblDistance", "Distance Between Coils (r_railsegmentlength):"},
    {"LblOuterWidth", "Outer Trail Width (r_railwidth):"},
    {"GroupBox10", "Network Options"},
    {"PlayerPredict", "Enable Client-side Player Prediction"},
    {"Label9", "Maximum Client Transmission Packet Size:"},
    {"Label23", "Rate:"},
    {"GroupBox9", "Sound Options"},
    {"loadas8bit", "Load Sounds as 8-bit"},
    {"cgfootsteps", "Enable Player Footsteps"},
    {"Label24", "Sample Rate:"},
    {"Label25", "Sound Volume:"},
    {"Label10", "Description"}, {"LblDescriptRenderer", "Please select your 3D accelerator from the drop down list."},
    {"Label16", "Cvar"}, {"LblCvarRenderer", ""},
    {"Label26", "Description"}, {"LblDescriptClient", "No description for this object."},
    {"Label27", "Cvar"}, {"LblCvarClient", ""},
    {"Label39", "Description"}, {"LblRailDescript", "No description for this object."},
    {"Label42", "Cvar"}, {"LblRailCvar", ""},
    {"Label31", "Description"}, {"LblNetDescript", "No description for this object."},
    {"Label33", "Cvar"}, {"LblNetCvar", "N/A"},
    {"SaveTestBtn", "Save && Test"},
    {"SaveBtn", "&Save"},
    {"ExitBtn", "E&xit"},
};

struct ItemsRow {
    const char* control;
    std::initializer_list<const char*> items;
};

// Lists designed into the window; the generated ones are filled at start-up.
const ItemsRow kItems[] = {
    {"TuneCombo", {" Best Performance", " Best Visual Quality", " Best of Both Worlds"}},
    {"r_lodbiasCombo", {"High", "Default", "Low"}},
    {"ShadowCombo", {"No Shadows", "Ordinary Shadows", "Stencil Buffer Shadows", "Very Dark Stencil Buffer Shadows"}},
    {"TextureModeCombo", {"GL Nearest", "GL Nearest MipMap", "GL Linear", "GL Linear MipMap Nearest", "GL Linear MipMap Linear"}},
    {"TextureDepthCombo", {"Compressed", "16-bit", "32-bit"}},
    {"TextureSizeCombo", {"Highest", "High", "Normal", "Low"}},
    {"ColorDepthCombo", {"Default", "16-bit", "32-bit"}},
    {"ResolutionCombo", {"400x300", "512x384", "640x480", "800x600", "960x720", "1024x768", "1152x864", "1280x1024", "1600x1200", "2048x1536 "}},
    {"Accelerator", {"Select One", "ATi Rage Fury", "Intel i740", "nVidia TNT", "nVidia TNT 2", "Matrox G200", "Matrox G400", "3Dfx Voodoo 1", "3Dfx Voodoo 2", "3Dfx SLI Voodoo 2", "3Dfx Voodoo 3"}},
    {"SkinColorCombo", {"Red", "Blue"}},
    {"ComboModel", {"Visor", "Sarge"}},
    {"RailGunStyleCombo", {"Quake3Arena", "Beam", "Laser Rifle", "No Trail", "Pin-Point", "Tracer"}},
    {"EffectColorCombo", {"Blue", "Green", "Cyan", "Red", "Magenta", "Yellow", "White"}},
    {"SampleRateCombo", {"11 Khz", "22 Khz"}},
};

// Controls that are disabled as the window is built.
constexpr const char* kDisabledAtDesign[] = {
    "TuneCombo", "LblTune", "Panel1", "rlightmaplighting", "rvertexlight", "rdynamiclight",
    "rfullbright", "rlightmap", "rfastsky", "GammaCombo", "LblGamma", "IntensityCombo",
    "LblIntensity", "r_lodbiasCombo", "LblWeaponDetail", "FlareSizeCombo", "LblFlareSize",
    "rsubdivisions", "LblCurves", "LblHigh", "LblLow", "LblGeoDetail", "ShadowCombo",
    "LblShadowType", "TextureModeCombo", "LblTextureMode", "cgmarks", "rextcompresstextures",
    "rfinish", "rflares", "rsimpleitems", "rignorehwgamma", "TextureDepthCombo",
    "LblTextureQuality", "TextureSizeCombo", "LblTextureSize", "ColorDepthCombo", "LblColorDepth",
    "ResolutionCombo", "LblResolution", "Accelerator", "LblAccelerator", "TreeView1", "DefaultBtn",
    "rsmp", "PlayerMovement", "CheckBox7", "CheckBox8", "CheckBox9",
};
// clang-format on

// "3.0", "2.9", … down to "0.0".
std::vector<std::string> tenthsDownToZero(int fromTenths) {
    std::vector<std::string> items;
    for (int t = fromTenths; t >= 0; --t)
        items.push_back(std::to_string(t / 10) + "." + std::to_string(t % 10));
    return items;
}

}  // namespace

TForm1::TForm1(Platform& platform, ProgramState& state)
    : Window("Form1", "Brisko", 694, 461), platform_(platform), state_(state) {
    registerControls();
    buildDesign();
    wireReactions();
}

void TForm1::registerControls() {
    // clang-format off
    own({
        &Pages, &RendererOptions, &ClientSettings, &RailGunOptions, &NetworkOptions, &TreeView1,
        &LblTune, &TuneCombo, &Panel1, &rlightmaplighting, &rvertexlight, &rdynamiclight,
        &rfullbright, &rlightmap, &rfastsky, &rdrawsun, &rnoportals, &LblGamma, &GammaCombo,
        &LblIntensity, &IntensityCombo, &LblWeaponDetail, &r_lodbiasCombo, &LblFlareSize,
        &FlareSizeCombo, &LblCurves, &rsubdivisions, &LblHigh, &LblLow, &LblGeoDetail,
        &LblShadowType, &ShadowCombo, &LblTextureMode, &TextureModeCombo, &cgmarks,
        &rextcompresstextures, &rfinish, &rflares, &rsimpleitems, &rignorehwgamma,
        &LblTextureQuality, &TextureDepthCombo, &LblTextureSize, &TextureSizeCombo, &LblColorDepth,
        &ColorDepthCombo, &LblResolution, &ResolutionCombo, &PreviewPane, &DefaultBtn,
        &LblAccelerator, &Accelerator, &HudOptions, &cgdrawammowarning, &cgdrawcrosshair,
        &cgdrawcrosshairnames, &crosshairhealth, &cggun, &Panel4, &netgraph, &fragcounter,
        &cgthirdperson, &clnoprint, &Label17, &MsgDisplayCombo, &Panel3, &cgshowfps, &cgdrawtimer,
        &MiscOptions, &cgautoswitch, &cggibs, &rsmp, &Label3, &cgbrasstimeCombo, &PlayerPreferences,
        &Label13, &HandicapCombo, &Label12, &SkinColorCombo, &Label14, &FovCombo, &Label15,
        &MaxFPSCombo, &LblModel, &ComboModel, &Label2, &PlayerName, &clrun, &PlayerMovement,
        &CheckBox7, &CheckBox8, &CheckBox9, &Label35, &RailGunStyleCombo, &Label1,
        &EffectColorCombo, &Label38, &RailTrailTimeCombo, &LblInnerWidth, &InnerWidth, &LblDistance,
        &Distance, &LblOuterWidth, &OuterWidth, &RailPictures, &GroupBox10, &PlayerPredict, &Label9,
        &MaxPacketsCombo, &Label23, &RateCombo, &GroupBox9, &loadas8bit, &cgfootsteps, &Label24,
        &SampleRateCombo, &Label25, &SoundVolume, &Label10, &LblDescriptRenderer, &Label16,
        &LblCvarRenderer, &Label26, &LblDescriptClient, &Label27, &LblCvarClient, &Label39,
        &LblRailDescript, &Label42, &LblRailCvar, &Label31, &LblNetDescript, &Label33, &LblNetCvar,
        &ImgDescriptRen, &ImgCvarRen, &ImgDescriptClient, &ImgCvarClient, &ImgDescriptRail,
        &ImgCvarRail, &ImgDescriptNet, &ImgCvarNet, &SaveTestBtn, &SaveBtn, &ExitBtn, &Timer1,
        &Timer2
    });
    // clang-format on
}

void TForm1::buildDesign() {
    for (const CaptionRow& row : kCaptions) {
        Control* control = find(row.control);
        if (auto* label = dynamic_cast<Label*>(control))
            label->setCaption(row.caption);
        else if (auto* box = dynamic_cast<CheckBox*>(control))
            box->setCaption(row.caption);
        else if (auto* radio = dynamic_cast<RadioButton*>(control))
            radio->setCaption(row.caption);
        else if (auto* button = dynamic_cast<Button*>(control))
            button->setCaption(row.caption);
    }
    for (const ItemsRow& row : kItems) {
        auto* combo = dynamic_cast<ComboBox*>(find(row.control));
        combo->setItems({row.items.begin(), row.items.end()});
    }
    GammaCombo.setItems(tenthsDownToZero(30));
    IntensityCombo.setItems(tenthsDownToZero(50));
    for (const char* name : kDisabledAtDesign) find(name)->setEnabled(false);

    // Form states: the checked radio buttons, the images.
    rlightmaplighting.setChecked(true);
    netgraph.setChecked(true);
    cgdrawtimer.setChecked(true);
    PreviewPane.setImage("preview");
    ImgDescriptRen.setImage("strip");

    for (Page* page : {&RendererOptions, &ClientSettings, &RailGunOptions, &NetworkOptions})
        Pages.add(*page);
    TreeView1.addNode("Client Settings", -1);
    TreeView1.addNode("Renderer Options", 0);
    TreeView1.addNode("Rail Gun Options", 0);
    TreeView1.addNode("Network/Sound", 0);
}

TForm1::HelpPanel TForm1::helpPanel(std::uint8_t pageCode) {
    switch (pageCode) {
        case kRendererPage:
            return {Label10,         LblDescriptRenderer, Label16,
                    LblCvarRenderer, ImgDescriptRen,      ImgCvarRen};
        case kClientPage:
            return {Label26,       LblDescriptClient, Label27,
                    LblCvarClient, ImgDescriptClient, ImgCvarClient};
        case kRailPage:
            return {Label39, LblRailDescript, Label42, LblRailCvar, ImgDescriptRail, ImgCvarRail};
        default:
            return {Label31, LblNetDescript, Label33, LblNetCvar, ImgDescriptNet, ImgCvarNet};
    }
}

}  // namespace brisko
