#include "settings/catalogue.h"

#include <stdexcept>
#include <string>

namespace brisko {

namespace {

// clang-format off
constexpr SettingHelp kHelp[] = {
    // Renderer page
    {"rlightmaplighting", 0, "Lightmap lighting (or lightmapping) is a kind of shadow lighting effect. Mutually exclusive with vertex lighting. This setting improves aesthetics but incures a performance penalty.", "r_vertexlight [0/1] Default: 1"},
    {"rvertexlight", 0, "Vertex lighting is the opposite of lightmap lighting. You loose shadows and the lighting effect from certain entities but faster performance is achieved when this setting is enabled.", "r_vertexlight [0/1] default: 0"},
    {"rdynamiclight", 0, "Enables certain entities/projectiles to emit light in real time.", "r_dynamiclight [0/1] default: 1"},
    {"rfullbright", 0, "No lightmaps are rendered when this option is enabled, leaving no dynamic shadings/lighting and causing considerable performance loss (especially in enclosed areas). Cheats 1 must be set to toggle this option.", "r_fullbright [0/1] default: 0"},
    {"rlightmap", 0, "Renders only lightmaps, no textures are visible but gouraud-shading is still implemented. Cheats 1 must be set to toggle this option.", "r_lightmap [0/1] default: 0"},
    {"rfastsky", 0, "Toggles the rendering of sky and view through portals/sun effect. Reasonable performance gains can be made from disabling high quality sky, though portals will appear beige.", "r_fastsky [0/1] default: 0"},
    {"rdrawsun", 0, "Toggles the drawing of the sun and accompanying glare in the sky/shadows cast. Notable performance gains can be made by disabling high quality sky.", "r_drawsun [0/1] default: 0"},
    {"rnoportals", 0, "Toggles the player view through portals.", "r_noportals [0/1] default: 0"},
    {"GammaCombo", 0, "Sets brightness. Higher than 2 is not recommended since you'll lose most of the texturing", "r_gamma [0 - 3] default: 1"},
    {"IntensityCombo", 0, "This does not affect performance but it greatly affects visuals. The higher the value, the less dark spots/corners within a map. However, you'll lose certain texturing, most noticeably on weapons.", "r_intensity [1 - 5] default: 1"},
    {"r_lodbiasCombo", 0, "Sets weapon detail.", "r_lodbias [0 - 2] default: 0"},
    {"FlareSizeCombo", 0, "Sets flare radius.", "r_flaresize [integer] default: 40"},
    {"rsubdivisions", 0, "Sets the Level-Of-Detail (LOD). An example would be the complexity of curves. High geometry detail sets r_subdivisions to 4, while low geometry detail sets it to 999.", "r_subdivisions [1 to 999] default: 4"},
    {"ShadowCombo", 0, "Sets type of shadows rendering.", "cg_shadows [integer] default: 1"},
    {"TextureModeCombo", 0, "Sets texture filtering mode.", "r_texturemode [GL_NEAREST/GL_NEAREST_MIPMAP/GL_LINEAR/GL_LINEAR_MIPMAP_NEAREST/ GL_LINEAR_MIPMAP_LINEAR]  default: GL_LINEAR_MIPMAP_NEAREST"},
    {"cgmarks", 0, "Toggles gunshot marks on walls. For older chipsets (such as Voodoo1) considerable performance gains can be achieved by disabling this option.", "cg_marks [0/1] default: 1"},
    {"rextcompresstextures", 0, "Toggles hardware texture compression if available. Savage 4 owners should enable this option.", "r_ext_compress_textures [0/1] default: 1"},
    {"rfinish", 0, "Toggles syncing to frames. Enabling basically instructs hardware to inform game that GL calls have been completed. This will make sure you don't get teared images.", "r_finish [0/1] default: 1"},
    {"rflares", 0, "Toggles lighting flares effect (lights and weapon projectiles). Flares can hinder gameplay visibility and performance gains can be achieved by disabling this feature.", "r_flares [0/1] default: 0"},
    {"rsimpleitems", 0, "Toggles the drawing of graphic details of some entities, such as health spheres.", "cg_simpleitems [0/1] default: 0"},
    {"rignorehwgamma", 0, "Toggles option to ignore external (not in-game) hardware gamma level setting made within Windows9x's Display Properties.", "r_ignorehwgamma [0/1] default: 0"},
    {"TextureDepthCombo", 0, "Sets the texture quality.", "r_texturebits [0 to 32] default: 0"},
    {"TextureSizeCombo", 0, "Sets maximum texture size.", "r_picmip [0 to 3] default: 1"},
    {"ColorDepthCombo", 0, "Sets the color depth.", "r_colorbits [0 to 32] default: 0"},
    {"ResolutionCombo", 0, "Sets the video mode.", "r_mode [1 - 10] default: 3 (640x480)"},
    // Client page
    {"cgdrawammowarning", 1, "Toggles the \"Low Ammo Warning\" on the player screen.", "cg_drawammowarning [0/1] default: 1"},
    {"cgdrawcrosshair", 1, "Toggles the drawing of the crosshair.", "cg_drawcrosshair [0/1] default: 1"},
    {"cgdrawcrosshairnames", 1, "Toggles the ID display of other players when your crosshair is on them.", "cg_drawcrosshairnames [0/1] default: 1"},
    {"crosshairhealth", 1, "Toggles the color-changing property of the crosshair based on the player's current health.", "cg_crosshairhealth [0/1] default: 1"},
    {"cggun", 1, "Toggles the rendering of the weapon model.", "cg_gun [0/1] default: 1"},
    {"netgraph", 1, "Select this option to display the netgraph.", "cg_lagometer 1 default: 1"},
    {"fragcounter", 1, "Select this option to display the frag counter.", "cg_lagometer 0 default: 1"},
    {"cgthirdperson", 1, "Toggles third person view.", "cg_thirdperson [0/1] default: 0"},
    {"clnoprint", 1, "Toggles the writing of console echoes and player messages in the console buffer, and therefore on the screen.", "cl_noprint [0/1] default: 0"},
    {"MsgDisplayCombo", 1, "Sets the amount of time console messages will appear on screen.", "con_notifytime [time in seconds] default: 3"},
    {"cgshowfps", 1, "Toggles the frame rate counter. This cannot be displayed at the same time as the timer.", "cg_drawfps [0/1] default: 0"},
    {"cgdrawtimer", 1, "Toggles the game timer. This cannot be displayed at the same time as the frame rate counter.", "cg_drawtimer [0/1] default: 1"},
    {"cgautoswitch", 1, "Toggles the automatic switching to the weapon the player has just picked up.", "cg_autoswitch [0/1] default: 1"},
    {"cggibs", 1, "Toggles the rendering of gibs.", "cg_gibs [0/1] default: 1"},
    {"rsmp", 1, "Toggles multiprocessor acceleration support.", "r_smp [0/1] default: 0"},
    {"cgbrasstimeCombo", 1, "Sets how long weapon effects (like the ejected shells from the shotgun) will be rendered.", "cg_brasstime [milli-seconds] default: 1250"},
    {"HandicapCombo", 1, "Sets the maximum health of the player when spawned. Setting to a lower number while alive causes the health to slowly erode.", "handicap [number of health points] default: 100"},
    {"SkinColorCombo", 1, "Sets the player skin colour.", "model [model/skin] default: \"visor/default\""},
    {"FovCombo", 1, "Sets the size of the field of view. Values over 90 prevent the gun model from appearing.", "cg_fov [value in degrees] default: 90"},
    {"MaxFPSCombo", 1, "Sets the maximum framerate. Setting to 0 disables maxfps.", "com_maxfps [value] default: 0"},
    {"clrun", 1, "Toggles 'always run'. ", "cl_run [0/1] default: 1"},
    // Railgun page
    {"EffectColorCombo", 2, "Sets the effects color for the railgun.", "color1 [1 - 7] default: 4"},
    {"RailTrailTimeCombo", 2, "Sets the amount of time the railgun slug trail is visible.", "cg_railtrailtime [value] default: 400"},
    {"InnerWidth", 2, "Sets the innerwidth of the Railgun trail.", "r_railcorewidth [value] default: 16"},
    {"Distance", 2, "Sets the distance between the coils when the Railgun is fired.", "r_railsegmentlength [value] default: 64"},
    {"OuterWidth", 2, "Sets the outer trail width when the Railgun is fired.", "r_railwidth [value] default: 128"},
    // Network and sound page
    {"PlayerPredict", 3, "Toggles client-side player prediction. Disabling causes the client to wait for updates from the server before updating the local machine.", "cg_nopredict [0/1] default:0"},
    {"MaxPacketsCombo", 3, "Sets maximum client transmission packet size. Optimum setting dependent on hardware type and connection quality.", "cl_maxpackets [value] default: 30"},
    {"RateCombo", 3, "Sets communication rate between client and server.", "rate [value] default: 3000"},
    {"loadas8bit", 3, "Toggles loading sound files as 8-bit.", "s_loadas8bit [0/1] default: 1"},
    {"cgfootsteps", 3, "Toggles player footstep sounds.", "cg_footsteps [0/1] default: 1"},
    {"SampleRateCombo", 3, "Sets the sampling rate, and therefore the quality of game sounds.", "s_khz [value] default: 22"},
    {"SoundVolume", 3, "Sets the game sounds volume level.", "s_volume [0 to 1] default: 0.7"},
};
// clang-format on

}  // namespace

std::span<const SettingHelp> settingHelps() {
    return kHelp;
}

const SettingHelp& helpOf(std::string_view control) {
    for (const SettingHelp& help : kHelp)
        if (help.control == control) return help;
    throw std::out_of_range("no help for " + std::string(control));
}

}  // namespace brisko
