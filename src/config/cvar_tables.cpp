#include "config/cvar_tables.h"

#include <array>

#include "platform/ascii.h"
#include "settings/accelerator_profiles.h"
#include "settings/form1.h"

namespace brisko {

namespace {

using Value = std::function<std::string(const TForm1&)>;

const char* oneOrZero(bool on) {
    return on ? "1" : "0";
}

Value checkBox(CheckBox TForm1::*box) {
    return [box](const TForm1& f) -> std::string { return oneOrZero((f.*box).checked()); };
}

Value invertedCheckBox(CheckBox TForm1::*box) {
    return [box](const TForm1& f) -> std::string { return oneOrZero(!(f.*box).checked()); };
}

Value radioButton(RadioButton TForm1::*radio) {
    return [radio](const TForm1& f) -> std::string { return oneOrZero((f.*radio).checked()); };
}

Value indexOf(ComboBox TForm1::*list) {
    return [list](const TForm1& f) { return std::to_string((f.*list).itemIndex()); };
}

Value textOf(ComboBox TForm1::*list) {
    return [list](const TForm1& f) { return (f.*list).text(); };
}

Value mappedIndexOf(ComboBox TForm1::*list, std::string (*map)(int)) {
    return [list, map](const TForm1& f) { return map((f.*list).itemIndex()); };
}

Value positionOf(Slider TForm1::*slider) {
    return [slider](const TForm1& f) { return std::to_string((f.*slider).position()); };
}

Value fixed(const char* value) {
    return [value](const TForm1&) { return std::string(value); };
}

// Value of an index in a list of values; `other` for an index outside it.
template <std::size_t N>
std::string pick(const std::array<const char*, N>& values, int index, const char* other) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return other;
    return values[static_cast<std::size_t>(index)];
}

// "No Shadows", "Ordinary Shadows" need no stencil buffer; the two stencil kinds 8 bits.
std::string stencilBitsValue(int shadowIndex) {
    static constexpr std::array<const char*, 4> kBits = {"0", "0", "8", "8"};
    return pick(kBits, shadowIndex, "0");
}

std::string textureModeValue(int index) {
    static constexpr std::array<const char*, 5> kModes = {"GL_NEAREST", "GL_NEAREST_MIPMAP",
                                                          "GL_LINEAR", "GL_LINEAR_MIPMAP_NEAREST",
                                                          "GL_LINEAR_MIPMAP_LINEAR"};
    return pick(kModes, index, "");
}

// "Compressed" or "Default", "16-bit", "32-bit".
std::string bitsValue(int index) {
    static constexpr std::array<const char*, 3> kBits = {"0", "16", "32"};
    return pick(kBits, index, "0");
}

// "2.0 secs" … "0.5 secs" in milliseconds, then "No Ammo"; nothing without a selection.
std::string brassTimeValue(int index) {
    if (index < 0) return "";
    if (index <= 15) return std::to_string(2000 - 100 * index);
    return "0";
}

// "2.5 secs" … "0.1 secs" in milliseconds: the digits before and after the point
// make the tenths. "No Trail", and anything else, is no trail.
std::string railTrailTimeValue(const std::string& item) {
    if (item.size() < 3) return "0";
    const char tens = item[0];
    const char units = item[2];
    if (tens < '0' || tens > '9' || units < '0' || units > '9') return "0";
    const int tenths = (tens - '0') * 10 + (units - '0');
    if (tenths < 1 || tenths > 25) return "0";
    return std::to_string(tenths * 100);
}

std::string sampleRateValue(int index) {
    static constexpr std::array<const char*, 4> kRates = {"11", "22", "44", "48"};
    return pick(kRates, index, "");
}

std::string sampleRateInHzValue(int index) {
    static constexpr std::array<const char*, 4> kRates = {"11025", "22050", "44100", "48000"};
    return pick(kRates, index, "");
}

// Tenths of full volume: "0", "0.1" … "0.9", "1".
std::string volumeValue(int position) {
    if (position <= 0) return "0";
    if (position >= 10) return "1";
    return "0." + std::to_string(position);
}

// The model with the player colour as its skin ("visor/red", "sarge/blue"): body
// and head alike.
std::string playerModel(const TForm1& f) {
    return AsciiLower(f.ComboModel.text()) + "/" + AsciiLower(f.SkinColorCombo.text());
}

// The railgun effect colour as the game's colour code: "Blue" 1 to "White" 7.
std::string railColour(const TForm1& f) {
    const int index = f.EffectColorCombo.itemIndex();
    return index < 0 ? "" : std::to_string(index + 1);
}

// Today's sizes and the desktop's are a custom mode, -1, of the size the item
// names ("1920x1080", "Desktop (1920x1080)").
bool customResolution(const TForm1& f) {
    return f.ResolutionCombo.itemIndex() >= kResolutionModes;
}

std::string resolutionMode(const TForm1& f) {
    return customResolution(f) ? "-1" : std::to_string(f.ResolutionCombo.itemIndex() + 1);
}

// The width (0) or height (1) in the item's "WxH".
std::string customSize(const TForm1& f, int part) {
    const std::string item = f.ResolutionCombo.text();
    const auto x = item.rfind('x');
    const auto start = item.find_last_not_of("0123456789", x - 1) + 1;
    const auto end = item.find_first_not_of("0123456789", x + 1);
    return part == 0 ? item.substr(start, x - start) : item.substr(x + 1, end - x - 1);
}

bool skyChecked(const TForm1& f) {
    return f.rfastsky.checked();
}
bool skyUnchecked(const TForm1& f) {
    return !f.rfastsky.checked();
}

// Lighting, sky, shadows, textures, display.
const CvarRow kRenderer[] = {
    {"r_vertexlight",
     [](const TForm1& f) -> std::string { return oneOrZero(!f.rlightmaplighting.checked()); }},
    {"r_dynamiclight", checkBox(&TForm1::rdynamiclight)},
    {"r_fullbright", checkBox(&TForm1::rfullbright)},
    {"r_lightmap", checkBox(&TForm1::rlightmap)},
    {"r_showsky", fixed("0")},
    // High quality sky: the sky lines in one order ...
    {"r_fastsky", fixed("0"), skyChecked},
    {"r_drawsun", checkBox(&TForm1::rdrawsun), skyChecked},
    {"r_noportals", invertedCheckBox(&TForm1::rnoportals), skyChecked},
    // ... fast sky: in the reverse order, whatever the sun and portal boxes say.
    {"r_noportals", fixed("1"), skyUnchecked},
    {"r_drawsun", fixed("0"), skyUnchecked},
    {"r_fastsky", fixed("1"), skyUnchecked},
    {"r_stencilbits", mappedIndexOf(&TForm1::ShadowCombo, stencilBitsValue)},
    {"cg_shadows", indexOf(&TForm1::ShadowCombo)},
    {"r_texturemode", mappedIndexOf(&TForm1::TextureModeCombo, textureModeValue)},
    {"cg_marks", checkBox(&TForm1::cgmarks)},
    {"r_ext_compress_textures", checkBox(&TForm1::rextcompresstextures)},
    // Then under the name the engines read today, as in the HUD block below.
    {"r_ext_compressed_textures", checkBox(&TForm1::rextcompresstextures)},
    {"r_finish", checkBox(&TForm1::rfinish)},
    {"r_flaresize", textOf(&TForm1::FlareSizeCombo)},
    {"r_flares", checkBox(&TForm1::rflares)},
    {"cg_simpleitems", checkBox(&TForm1::rsimpleitems)},
    {"r_ignorehwgamma", checkBox(&TForm1::rignorehwgamma)},
    {"r_subdivisions", positionOf(&TForm1::rsubdivisions)},
    {"r_gamma", textOf(&TForm1::GammaCombo)},
    {"r_intensity", textOf(&TForm1::IntensityCombo)},
    {"r_lodbias", indexOf(&TForm1::r_lodbiasCombo)},
    {"r_texturebits", mappedIndexOf(&TForm1::TextureDepthCombo, bitsValue)},
    {"r_picmip", indexOf(&TForm1::TextureSizeCombo)},
    {"r_colorbits", mappedIndexOf(&TForm1::ColorDepthCombo, bitsValue)},
    {"r_depthbits", mappedIndexOf(&TForm1::ColorDepthCombo, bitsValue)},
    {"r_mode", resolutionMode},
    {"r_customwidth", [](const TForm1& f) { return customSize(f, 0); }, customResolution},
    {"r_customheight", [](const TForm1& f) { return customSize(f, 1); }, customResolution},
    // Quake3e takes the full screen's mode from here, empty: from r_mode.
    {"r_modefullscreen", fixed("")},
};

const CvarRow kHud[] = {
    // Its items are "None", "1" … "5": the index is the number shown.
    {"cg_centertime", indexOf(&TForm1::MsgDisplayCombo)},
    // Cheat-protected above; chat and console lines stay this long anywhere.
    {"con_notifytime", indexOf(&TForm1::MsgDisplayCombo)},
    {"cg_drawammowarning", checkBox(&TForm1::cgdrawammowarning)},
    {"cg_drawcrosshair", checkBox(&TForm1::cgdrawcrosshair)},
    {"cg_drawcrosshairnames", checkBox(&TForm1::cgdrawcrosshairnames)},
    // Each setting under the name of the first releases, then under the name the
    // engines read today (ioquake3, Quake3e, the 1.32 release).
    {"crosshairhealth", checkBox(&TForm1::crosshairhealth)},
    {"cg_crosshairhealth", checkBox(&TForm1::crosshairhealth)},
    {"cg_gun", checkBox(&TForm1::cggun)},
    {"cg_drawgun", checkBox(&TForm1::cggun)},
    {"lagometer", radioButton(&TForm1::netgraph)},
    {"cg_lagometer", radioButton(&TForm1::netgraph)},
    {"cg_thirdperson", checkBox(&TForm1::cgthirdperson)},
    {"cl_noprint", invertedCheckBox(&TForm1::clnoprint)},
    {"cg_drawfps", radioButton(&TForm1::cgshowfps)},
    {"cg_drawtimer",
     [](const TForm1& f) -> std::string { return oneOrZero(!f.cgshowfps.checked()); }},
};

const CvarRow kMiscellaneous[] = {
    {"cg_autoswitch", checkBox(&TForm1::cgautoswitch)},
    {"cg_brasstime", mappedIndexOf(&TForm1::cgbrasstimeCombo, brassTimeValue)},
    {"cg_gibs", checkBox(&TForm1::cggibs)},
    {"r_smp", checkBox(&TForm1::rsmp)},
};

const CvarRow kPreferences[] = {
    {"handicap", textOf(&TForm1::HandicapCombo)},
    // The head is drawn from headmodel; the colour codes tint the rail.
    {"model", playerModel},
    {"headmodel", playerModel},
    {"color", railColour},
    {"color1", railColour},
    // Old name, then today's, as in the HUD block.
    {"fov", textOf(&TForm1::FovCombo)},
    {"cg_fov", textOf(&TForm1::FovCombo)},
    {"maxfps", textOf(&TForm1::MaxFPSCombo)},
    {"com_maxfps", textOf(&TForm1::MaxFPSCombo)},
    {"name", [](const TForm1& f) { return f.PlayerName.text(); }},
    {"cl_run", checkBox(&TForm1::clrun)},
};

const CvarRow kRailgun[] = {
    {"cg_railtrailtime",
     [](const TForm1& f) { return railTrailTimeValue(f.RailTrailTimeCombo.text()); }},
    {"r_railcorewidth", positionOf(&TForm1::InnerWidth)},
    {"r_segmentlength", positionOf(&TForm1::Distance)},
    {"r_railsegmentlength", positionOf(&TForm1::Distance)},
    {"r_railwidth", positionOf(&TForm1::OuterWidth)},
};

const CvarRow kNetwork[] = {
    {"cg_nopredict", invertedCheckBox(&TForm1::PlayerPredict)},
    {"cl_maxpackets", textOf(&TForm1::MaxPacketsCombo)},
    {"rate", textOf(&TForm1::RateCombo)},
};

const CvarRow kSound[] = {
    {"s_loadas8bit", checkBox(&TForm1::loadas8bit)},
    {"cg_footsteps", checkBox(&TForm1::cgfootsteps)},
    {"s_khz", mappedIndexOf(&TForm1::SampleRateCombo, sampleRateValue)},
    // ioquake3's sound takes the rate in Hz.
    {"s_sdlspeed", mappedIndexOf(&TForm1::SampleRateCombo, sampleRateInHzValue)},
    {"s_volume", [](const TForm1& f) { return volumeValue(f.SoundVolume.position()); }},
};

}  // namespace

std::span<const CvarRow> RendererRows() {
    return kRenderer;
}
std::span<const CvarRow> HudRows() {
    return kHud;
}
std::span<const CvarRow> MiscellaneousRows() {
    return kMiscellaneous;
}
std::span<const CvarRow> PreferenceRows() {
    return kPreferences;
}
std::span<const CvarRow> RailgunRows() {
    return kRailgun;
}
std::span<const CvarRow> NetworkRows() {
    return kNetwork;
}
std::span<const CvarRow> SoundRows() {
    return kSound;
}

}  // namespace brisko
