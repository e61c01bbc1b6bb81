#include "settings/form1.h"

namespace brisko {

namespace {

using F = TForm1;

// The window as designed, in its order: parents before the controls in them. "&"
// marks an access key in a caption, "&&" shows one "&". The lists that are counted
// out are filled below, or at start-up.
// clang-format off
const DesignRow<TForm1, SettingHelp> kDesign[] = {
    // control                 parent                left  top wide high  flags              shows: caption, items or image; help: description, cvar line
    // Left of the window
    {&F::TreeView1,            {},                      2,   4, 134, 250, kGated},
    {&F::DefaultBtn,           {},                      2, 262, 134,  25, kGated,            {"&Restore Default Settings"}},
    {&F::LblAccelerator,       {},                      4, 300, 130,  16, kGated,            {"Type of 3D Accelerator:"}},
    {&F::Accelerator,          {},                      4, 318, 130,  22, kGated,            {"Select One", "ATi Rage Fury", "Intel i740", "nVidia TNT", "nVidia TNT 2", "Matrox G200", "Matrox G400", "3Dfx Voodoo 1", "3Dfx Voodoo 2", "3Dfx SLI Voodoo 2", "3Dfx Voodoo 3"}},
    // Pages
    {&F::Pages,                {},                    138,   4, 553, 422},
    {&F::RendererOptions,      &F::Pages},
    {&F::ClientSettings,       &F::Pages},
    {&F::RailGunOptions,       &F::Pages},
    {&F::NetworkOptions,       &F::Pages},
    // Renderer page
    {&F::LblTune,              &F::RendererOptions,     8,   8, 140,  20, kGated,            {"Tune Quake3Arena for:"}},
    {&F::TuneCombo,            &F::RendererOptions,   150,   6, 190,  22, kGated,            {" Best Performance", " Best Visual Quality", " Best of Both Worlds"}},
    {&F::PreviewPane,          &F::RendererOptions,   354,   6, 191, 127, kSunken,           {"preview"}},
    {&F::Panel1,               &F::RendererOptions,     8,  34, 170,  42, kGated},
    {&F::rlightmaplighting,    &F::Panel1,              0,   0, 170,  20, kGated | kChecked, {"Lightmap Lighting"}, {"Lightmap lighting (or lightmapping) is a kind of shadow lighting effect. Mutually exclusive with vertex lighting. This setting improves aesthetics but incures a performance penalty.", "r_vertexlight [0/1] Default: 1"}},
    {&F::rvertexlight,         &F::Panel1,              0,  21, 170,  20, kGated,            {"Vertex Lighting"}, {"Vertex lighting is the opposite of lightmap lighting. You loose shadows and the lighting effect from certain entities but faster performance is achieved when this setting is enabled.", "r_vertexlight [0/1] default: 0"}},
    {&F::rdynamiclight,        &F::RendererOptions,     8,  78, 170,  20, kGated,            {"Enable Dynamic Lighting"}, {"Enables certain entities/projectiles to emit light in real time.", "r_dynamiclight [0/1] default: 1"}},
    {&F::rfullbright,          &F::RendererOptions,     8,  99, 170,  20, kGated,            {"Enable FullBright"}, {"No lightmaps are rendered when this option is enabled, leaving no dynamic shadings/lighting and causing considerable performance loss (especially in enclosed areas). Cheats 1 must be set to toggle this option.", "r_fullbright [0/1] default: 0"}},
    {&F::rlightmap,            &F::RendererOptions,     8, 120, 170,  20, kGated,            {"Enable Lightmap"}, {"Renders only lightmaps, no textures are visible but gouraud-shading is still implemented. Cheats 1 must be set to toggle this option.", "r_lightmap [0/1] default: 0"}},
    {&F::rfastsky,             &F::RendererOptions,     8, 141, 170,  20, kGated,            {"High Quality Sky"}, {"Toggles the rendering of sky and view through portals/sun effect. Reasonable performance gains can be made from disabling high quality sky, though portals will appear beige.", "r_fastsky [0/1] default: 0"}},
    {&F::rdrawsun,             &F::RendererOptions,    26, 162, 152,  20, 0,                 {"Sun Effect"}, {"Toggles the drawing of the sun and accompanying glare in the sky/shadows cast. Notable performance gains can be made by disabling high quality sky.", "r_drawsun [0/1] default: 0"}},
    {&F::rnoportals,           &F::RendererOptions,    26, 183, 152,  20, 0,                 {"View Through Portals"}, {"Toggles the player view through portals.", "r_noportals [0/1] default: 0"}},
    {&F::cgmarks,              &F::RendererOptions,   182,  34, 168,  20, kGated,            {"Show Marks on Walls"}, {"Toggles gunshot marks on walls. For older chipsets (such as Voodoo1) considerable performance gains can be achieved by disabling this option.", "cg_marks [0/1] default: 1"}},
    {&F::rextcompresstextures, &F::RendererOptions,   182,  55, 168,  20, kGated,            {"Compress Textures"}, {"Toggles hardware texture compression if available. Savage 4 owners should enable this option.", "r_ext_compress_textures [0/1] default: 1"}},
    {&F::rfinish,              &F::RendererOptions,   182,  76, 168,  20, kGated,            {"Sync Every Frame"}, {"Toggles syncing to frames. Enabling basically instructs hardware to inform game that GL calls have been completed. This will make sure you don't get teared images.", "r_finish [0/1] default: 1"}},
    {&F::rflares,              &F::RendererOptions,   182,  97, 168,  20, kGated,            {"Show Light Flares"}, {"Toggles lighting flares effect (lights and weapon projectiles). Flares can hinder gameplay visibility and performance gains can be achieved by disabling this feature.", "r_flares [0/1] default: 0"}},
    {&F::rsimpleitems,         &F::RendererOptions,   182, 118, 168,  20, kGated,            {"Show Simple Items"}, {"Toggles the drawing of graphic details of some entities, such as health spheres.", "cg_simpleitems [0/1] default: 0"}},
    {&F::rignorehwgamma,       &F::RendererOptions,   182, 139, 168,  20, kGated,            {"Ignore Hardware Gamma"}, {"Toggles option to ignore external (not in-game) hardware gamma level setting made within Windows9x's Display Properties.", "r_ignorehwgamma [0/1] default: 0"}},
    {&F::LblCurves,            &F::RendererOptions,   354, 138, 191,  16, kGated,            {"Curve Detail: 999"}},
    {&F::rsubdivisions,        &F::RendererOptions,   354, 156, 191,  22, kNoTicks | kGated, {}, {"Sets the Level-Of-Detail (LOD). An example would be the complexity of curves. High geometry detail sets r_subdivisions to 4, while low geometry detail sets it to 999.", "r_subdivisions [1 to 999] default: 4"}},
    {&F::LblHigh,              &F::RendererOptions,   354, 178,  40,  14, kGated,            {"High"}},
    {&F::LblGeoDetail,         &F::RendererOptions,   404, 178, 100,  14, kGated,            {"Geometric Detail"}},
    {&F::LblLow,               &F::RendererOptions,   520, 178,  26,  14, kGated,            {"Low"}},
    {&F::LblGamma,             &F::RendererOptions,     8, 212,  88,  22, kGated,            {"Gamma:"}},
    {&F::GammaCombo,           &F::RendererOptions,    98, 212,  72,  22, kGated,            {}, {"Sets brightness. Higher than 2 is not recommended since you'll lose most of the texturing", "r_gamma [0 - 3] default: 1"}},
    {&F::LblIntensity,         &F::RendererOptions,     8, 240,  88,  22, kGated,            {" Intensity:"}},
    {&F::IntensityCombo,       &F::RendererOptions,    98, 240,  72,  22, kGated,            {}, {"This does not affect performance but it greatly affects visuals. The higher the value, the less dark spots/corners within a map. However, you'll lose certain texturing, most noticeably on weapons.", "r_intensity [1 - 5] default: 1"}},
    {&F::LblWeaponDetail,      &F::RendererOptions,     8, 268,  88,  22, kGated,            {" Weapon Detail:"}},
    {&F::r_lodbiasCombo,       &F::RendererOptions,    98, 268,  72,  22, kGated,            {"High", "Default", "Low"}, {"Sets weapon detail.", "r_lodbias [0 - 2] default: 0"}},
    {&F::LblFlareSize,         &F::RendererOptions,     8, 296,  88,  22, kDisabled,         {"Flare Size:"}},
    {&F::FlareSizeCombo,       &F::RendererOptions,    98, 296,  72,  22, kDisabled,         {}, {"Sets flare radius.", "r_flaresize [integer] default: 40"}},
    {&F::LblShadowType,        &F::RendererOptions,   182, 212, 160,  22, kGated,            {"Type of shadow to render:"}},
    {&F::ShadowCombo,          &F::RendererOptions,   342, 212, 203,  22, kGated,            {"No Shadows", "Ordinary Shadows", "Stencil Buffer Shadows", "Very Dark Stencil Buffer Shadows"}, {"Sets type of shadows rendering.", "cg_shadows [integer] default: 1"}},
    {&F::LblTextureMode,       &F::RendererOptions,   182, 240, 160,  22, kGated,            {"Texture mode:"}},
    {&F::TextureModeCombo,     &F::RendererOptions,   342, 240, 203,  22, kGated,            {"GL Nearest", "GL Nearest MipMap", "GL Linear", "GL Linear MipMap Nearest", "GL Linear MipMap Linear"}, {"Sets texture filtering mode.", "r_texturemode [GL_NEAREST/GL_NEAREST_MIPMAP/GL_LINEAR/GL_LINEAR_MIPMAP_NEAREST/ GL_LINEAR_MIPMAP_LINEAR]  default: GL_LINEAR_MIPMAP_NEAREST"}},
    {&F::LblTextureQuality,    &F::RendererOptions,   182, 268,  92,  22, kGated,            {"Texture Quality:"}},
    {&F::TextureDepthCombo,    &F::RendererOptions,   274, 268, 100,  22, kGated,            {"Compressed", "16-bit", "32-bit"}, {"Sets the texture quality.", "r_texturebits [0 to 32] default: 0"}},
    {&F::LblTextureSize,       &F::RendererOptions,   382, 268,  70,  22, kGated,            {"Texture Size:"}},
    {&F::TextureSizeCombo,     &F::RendererOptions,   452, 268,  93,  22, kGated,            {"Highest", "High", "Normal", "Low"}, {"Sets maximum texture size.", "r_picmip [0 to 3] default: 1"}},
    {&F::LblColorDepth,        &F::RendererOptions,   182, 296,  92,  22, kGated,            {"Color Depth:"}},
    {&F::ColorDepthCombo,      &F::RendererOptions,   274, 296, 100,  22, kGated,            {"Default", "16-bit", "32-bit"}, {"Sets the color depth.", "r_colorbits [0 to 32] default: 0"}},
    {&F::LblResolution,        &F::RendererOptions,   382, 296,  70,  22, kGated,            {"Resolution:"}},
    {&F::ResolutionCombo,      &F::RendererOptions,   452, 296,  93,  22, kGated,            {"400x300", "512x384", "640x480", "800x600", "960x720", "1024x768", "1152x864", "1280x1024", "1600x1200", "2048x1536 "}, {"Sets the video mode.", "r_mode [1 - 10] default: 3 (640x480)"}},
    {&F::ImgDescriptRen,       &F::RendererOptions,     4, 324, 545,  14, 0,                 {"strip"}},
    {&F::Label10,              &F::RendererOptions,     8, 324, 120,  14, kBold,             {"Description"}},
    {&F::LblDescriptRenderer,  &F::RendererOptions,     8, 339, 537,  40, kWordWrap,         {"Please select your 3D accelerator from the drop down list."}},
    {&F::ImgCvarRen,           &F::RendererOptions,     4, 380, 545,  14},
    {&F::Label16,              &F::RendererOptions,     8, 380, 120,  14, kBold,             {"Cvar"}},
    {&F::LblCvarRenderer,      &F::RendererOptions,     8, 395, 537,  27, kWordWrap},
    // Client page
    {&F::HudOptions,           &F::ClientSettings,      4,   2, 322, 252, 0,                 {"Hud Display Options"}},
    {&F::cgdrawammowarning,    &F::HudOptions,          8,  18, 310,  19, 0,                 {"Show Low Ammo Warning"}, {"Toggles the \"Low Ammo Warning\" on the player screen.", "cg_drawammowarning [0/1] default: 1"}},
    {&F::cgdrawcrosshair,      &F::HudOptions,          8,  37, 310,  19, 0,                 {"Show Crosshair"}, {"Toggles the drawing of the crosshair.", "cg_drawcrosshair [0/1] default: 1"}},
    {&F::cgdrawcrosshairnames, &F::HudOptions,          8,  56, 310,  19, 0,                 {"Show Crosshair Names"}, {"Toggles the ID display of other players when your crosshair is on them.", "cg_drawcrosshairnames [0/1] default: 1"}},
    {&F::crosshairhealth,      &F::HudOptions,          8,  75, 310,  19, 0,                 {"Change Colour of Crosshair to Match Player Health"}, {"Toggles the color-changing property of the crosshair based on the player's current health.", "cg_crosshairhealth [0/1] default: 1"}},
    {&F::cggun,                &F::HudOptions,          8,  94, 310,  19, 0,                 {"Draw Weapon Model"}, {"Toggles the rendering of the weapon model.", "cg_gun [0/1] default: 1"}},
    {&F::Panel4,               &F::HudOptions,          8, 113, 310,  38},
    {&F::netgraph,             &F::Panel4,              0,   0, 310,  19, kChecked,          {"Show Netgraph"}, {"Select this option to display the netgraph.", "cg_lagometer 1 default: 1"}},
    {&F::fragcounter,          &F::Panel4,              0,  19, 310,  19, 0,                 {"Show Frag Counter"}, {"Select this option to display the frag counter.", "cg_lagometer 0 default: 1"}},
    {&F::cgthirdperson,        &F::HudOptions,          8, 151, 310,  19, 0,                 {"Third Person View"}, {"Toggles third person view.", "cg_thirdperson [0/1] default: 0"}},
    {&F::clnoprint,            &F::HudOptions,          8, 170, 310,  19, 0,                 {"Show Player Messages"}, {"Toggles the writing of console echoes and player messages in the console buffer, and therefore on the screen.", "cl_noprint [0/1] default: 0"}},
    {&F::Label17,              &F::HudOptions,          8, 189, 170,  22, 0,                 {"Show Messages for (secs):"}},
    {&F::MsgDisplayCombo,      &F::HudOptions,        180, 189,  82,  22, 0,                 {}, {"Sets the amount of time console messages will appear on screen.", "con_notifytime [time in seconds] default: 3"}},
    {&F::Panel3,               &F::HudOptions,          8, 212, 310,  38},
    {&F::cgshowfps,            &F::Panel3,              0,   0, 310,  19, 0,                 {"Show Frames/sec (FPS)"}, {"Toggles the frame rate counter. This cannot be displayed at the same time as the timer.", "cg_drawfps [0/1] default: 0"}},
    {&F::cgdrawtimer,          &F::Panel3,              0,  19, 310,  19, kChecked,          {"Show Timer"}, {"Toggles the game timer. This cannot be displayed at the same time as the frame rate counter.", "cg_drawtimer [0/1] default: 1"}},
    {&F::PlayerMovement,       &F::ClientSettings,      4, 255, 322,  67, kDisabled,         {"Player Movement"}},
    {&F::CheckBox7,            &F::PlayerMovement,      8,  20, 310,  15, kDisabled,         {"Player bob pitch Forward/Back (cg_bobpitch)"}},
    {&F::CheckBox8,            &F::PlayerMovement,      8,  35, 310,  15, kDisabled,         {"Player rolls side to side (cg_bobroll)"}},
    {&F::CheckBox9,            &F::PlayerMovement,      8,  50, 310,  15, kDisabled,         {"Player bobs up && down when moving (cg_bobup)"}},
    {&F::MiscOptions,          &F::ClientSettings,    330,   2, 219, 124, 0,                 {"Miscellaneous Options"}},
    {&F::cgautoswitch,         &F::MiscOptions,         8,  18, 207,  19, 0,                 {"Automatic Weapon Switching"}, {"Toggles the automatic switching to the weapon the player has just picked up.", "cg_autoswitch [0/1] default: 1"}},
    {&F::cggibs,               &F::MiscOptions,         8,  37, 207,  19, 0,                 {"Show Gibs"}, {"Toggles the rendering of gibs.", "cg_gibs [0/1] default: 1"}},
    {&F::rsmp,                 &F::MiscOptions,         8,  56, 207,  19, kDisabled,         {"Enable SMP Acceleration Support"}, {"Toggles multiprocessor acceleration support.", "r_smp [0/1] default: 0"}},
    {&F::Label3,               &F::MiscOptions,         8,  76, 203,  18, 0,                 {"Show Ejected Ammo for:"}},
    {&F::cgbrasstimeCombo,     &F::MiscOptions,         8,  96, 100,  22, 0,                 {}, {"Sets how long weapon effects (like the ejected shells from the shotgun) will be rendered.", "cg_brasstime [milli-seconds] default: 1250"}},
    {&F::PlayerPreferences,    &F::ClientSettings,    330, 130, 219, 192, 0,                 {"Player Preferences"}},
    {&F::Label13,              &F::PlayerPreferences,   8,  20,  96,  22, 0,                 {"Handicap:"}},
    {&F::HandicapCombo,        &F::PlayerPreferences, 106,  20,  80,  22, 0,                 {}, {"Sets the maximum health of the player when spawned. Setting to a lower number while alive causes the health to slowly erode.", "handicap [number of health points] default: 100"}},
    {&F::Label12,              &F::PlayerPreferences,   8,  44,  96,  22, 0,                 {"Player Colour:"}},
    {&F::SkinColorCombo,       &F::PlayerPreferences, 106,  44,  80,  22, 0,                 {"Red", "Blue"}, {"Sets the player skin colour.", "model [model/skin] default: \"visor/default\""}},
    {&F::Label14,              &F::PlayerPreferences,   8,  68,  96,  22, 0,                 {"Field of View:"}},
    {&F::FovCombo,             &F::PlayerPreferences, 106,  68,  80,  22, 0,                 {}, {"Sets the size of the field of view. Values over 90 prevent the gun model from appearing.", "cg_fov [value in degrees] default: 90"}},
    {&F::Label15,              &F::PlayerPreferences,   8,  92,  96,  22, 0,                 {"Max FPS:"}},
    {&F::MaxFPSCombo,          &F::PlayerPreferences, 106,  92,  80,  22, 0,                 {}, {"Sets the maximum framerate. Setting to 0 disables maxfps.", "com_maxfps [value] default: 0"}},
    {&F::LblModel,             &F::PlayerPreferences,   8, 116,  96,  22, 0,                 {"Model:"}},
    {&F::ComboModel,           &F::PlayerPreferences, 106, 116,  80,  22, 0,                 {"Visor", "Sarge"}},
    {&F::Label2,               &F::PlayerPreferences,   8, 140,  96,  22, 0,                 {"Player Name:"}},
    {&F::PlayerName,           &F::PlayerPreferences, 106, 140, 105,  22},
    {&F::clrun,                &F::PlayerPreferences,   8, 168, 203,  19, 0,                 {"Always run"}, {"Toggles 'always run'. ", "cl_run [0/1] default: 1"}},
    {&F::ImgDescriptClient,    &F::ClientSettings,      4, 324, 545,  14},
    {&F::Label26,              &F::ClientSettings,      8, 324, 120,  14, kBold,             {"Description"}},
    {&F::LblDescriptClient,    &F::ClientSettings,      8, 339, 537,  40, kWordWrap,         {"No description for this object."}},
    {&F::ImgCvarClient,        &F::ClientSettings,      4, 380, 545,  14},
    {&F::Label27,              &F::ClientSettings,      8, 380, 120,  14, kBold,             {"Cvar"}},
    {&F::LblCvarClient,        &F::ClientSettings,      8, 395, 537,  27, kWordWrap},
    // Railgun page
    {&F::Label35,              &F::RailGunOptions,      8,   8, 130,  22, 0,                 {"Rail Gun Style:"}},
    {&F::RailGunStyleCombo,    &F::RailGunOptions,    140,   8, 150,  22, 0,                 {"Quake3Arena", "Beam", "Laser Rifle", "No Trail", "Pin-Point", "Tracer"}},
    {&F::Label1,               &F::RailGunOptions,      8,  36, 130,  22, 0,                 {"Effect Colour:"}},
    {&F::EffectColorCombo,     &F::RailGunOptions,    140,  36, 150,  22, 0,                 {"Blue", "Green", "Cyan", "Red", "Magenta", "Yellow", "White"}, {"Sets the effects color for the railgun.", "color1 [1 - 7] default: 4"}},
    {&F::Label38,              &F::RailGunOptions,      8,  64, 240,  22, 0,                 {"Duration Railgun Slug Trail is Visible:"}},
    {&F::RailTrailTimeCombo,   &F::RailGunOptions,    250,  64,  96,  22, 0,                 {}, {"Sets the amount of time the railgun slug trail is visible.", "cg_railtrailtime [value] default: 400"}},
    {&F::RailPictures,         &F::RailGunOptions,    354,   6, 191, 127, kSunken},
    {&F::LblInnerWidth,        &F::RailGunOptions,      8, 100, 330,  18, 0,                 {"Inner Trail Width: "}},
    {&F::InnerWidth,           &F::RailGunOptions,      8, 118, 338,  30, 0,                 {}, {"Sets the innerwidth of the Railgun trail.", "r_railcorewidth [value] default: 16"}},
    {&F::LblDistance,          &F::RailGunOptions,      8, 158, 330,  18, 0,                 {"Distance Between Coils (r_railsegmentlength):"}},
    {&F::Distance,             &F::RailGunOptions,      8, 176, 338,  30, 0,                 {}, {"Sets the distance between the coils when the Railgun is fired.", "r_railsegmentlength [value] default: 64"}},
    {&F::LblOuterWidth,        &F::RailGunOptions,      8, 216, 330,  18, 0,                 {"Outer Trail Width (r_railwidth):"}},
    {&F::OuterWidth,           &F::RailGunOptions,      8, 234, 338,  30, 0,                 {}, {"Sets the outer trail width when the Railgun is fired.", "r_railwidth [value] default: 128"}},
    {&F::ImgDescriptRail,      &F::RailGunOptions,      4, 324, 545,  14},
    {&F::Label39,              &F::RailGunOptions,      8, 324, 120,  14, kBold,             {"Description"}},
    {&F::LblRailDescript,      &F::RailGunOptions,      8, 339, 537,  40, kWordWrap,         {"No description for this object."}},
    {&F::ImgCvarRail,          &F::RailGunOptions,      4, 380, 545,  14},
    {&F::Label42,              &F::RailGunOptions,      8, 380, 120,  14, kBold,             {"Cvar"}},
    {&F::LblRailCvar,          &F::RailGunOptions,      8, 395, 537,  27, kWordWrap},
    // Network and sound page
    {&F::GroupBox10,           &F::NetworkOptions,      4,   2, 545, 106, 0,                 {"Network Options"}},
    {&F::PlayerPredict,        &F::GroupBox10,         10,  20, 400,  20, 0,                 {"Enable Client-side Player Prediction"}, {"Toggles client-side player prediction. Disabling causes the client to wait for updates from the server before updating the local machine.", "cg_nopredict [0/1] default:0"}},
    {&F::Label9,               &F::GroupBox10,         10,  46, 300,  22, 0,                 {"Maximum Client Transmission Packet Size:"}},
    {&F::MaxPacketsCombo,      &F::GroupBox10,        312,  46,  90,  22, 0,                 {}, {"Sets maximum client transmission packet size. Optimum setting dependent on hardware type and connection quality.", "cl_maxpackets [value] default: 30"}},
    {&F::Label23,              &F::GroupBox10,         10,  74, 300,  22, 0,                 {"Rate:"}},
    {&F::RateCombo,            &F::GroupBox10,        312,  74,  90,  22, 0,                 {}, {"Sets communication rate between client and server.", "rate [value] default: 3000"}},
    {&F::GroupBox9,            &F::NetworkOptions,      4, 114, 545, 150, 0,                 {"Sound Options"}},
    {&F::loadas8bit,           &F::GroupBox9,          10,  20, 400,  20, 0,                 {"Load Sounds as 8-bit"}, {"Toggles loading sound files as 8-bit.", "s_loadas8bit [0/1] default: 1"}},
    {&F::cgfootsteps,          &F::GroupBox9,          10,  42, 400,  20, 0,                 {"Enable Player Footsteps"}, {"Toggles player footstep sounds.", "cg_footsteps [0/1] default: 1"}},
    {&F::Label24,              &F::GroupBox9,          10,  68, 150,  22, 0,                 {"Sample Rate:"}},
    {&F::SampleRateCombo,      &F::GroupBox9,         162,  68,  90,  22, 0,                 {"11 Khz", "22 Khz", "44 Khz", "48 Khz"}, {"Sets the sampling rate, and therefore the quality of game sounds.", "s_khz [value] default: 22"}},
    {&F::Label25,              &F::GroupBox9,          10, 100, 150,  22, 0,                 {"Sound Volume:"}},
    {&F::SoundVolume,          &F::GroupBox9,         162,  98, 240,  32, 0,                 {}, {"Sets the game sounds volume level.", "s_volume [0 to 1] default: 0.7"}},
    {&F::ImgDescriptNet,       &F::NetworkOptions,      4, 324, 545,  14},
    {&F::Label31,              &F::NetworkOptions,      8, 324, 120,  14, kBold,             {"Description"}},
    {&F::LblNetDescript,       &F::NetworkOptions,      8, 339, 537,  40, kWordWrap,         {"No description for this object."}},
    {&F::ImgCvarNet,           &F::NetworkOptions,      4, 380, 545,  14},
    {&F::Label33,              &F::NetworkOptions,      8, 380, 120,  14, kBold,             {"Cvar"}},
    {&F::LblNetCvar,           &F::NetworkOptions,      8, 395, 537,  27, kWordWrap,         {"N/A"}},
    // Bottom row
    {&F::SaveTestBtn,          {},                    456, 432,  75,  23, 0,                 {"Save && Test"}},
    {&F::SaveBtn,              {},                    536, 432,  75,  23, 0,                 {"&Save"}},
    {&F::ExitBtn,              {},                    616, 432,  75,  23, 0,                 {"E&xit"}},
    {&F::Timer1},
    {&F::Timer2},
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
    buildDesign();
    wireReactions();
}

std::span<const DesignRow<TForm1, SettingHelp>> TForm1::design() {
    return kDesign;
}

void TForm1::buildDesign() {
    build(kDesign);
    GammaCombo.setItems(tenthsDownToZero(30));
    IntensityCombo.setItems(tenthsDownToZero(50));
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
