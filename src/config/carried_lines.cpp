#include "config/carried_lines.h"

#include <string_view>

#include "config/setting_line.h"
#include "platform/ascii.h"

namespace brisko {

namespace {

// s_khz is written from the sample rate list and is not carried: the old line
// after it would win in the game and grow the file at every save. Crosshair size,
// view size and zoom are carried under their first names and under the names the
// engines read today.
constexpr const char* kNotTweaked[] = {
    "crosshairsize",
    "cg_crosshairsize",
    "cg_drawkiller",
    "cg_drawstatus",
    "s_musicvolume",
    "r_lastvalidrenderer",
    "r_simplemipmaps",
    "r_overbrightbits",
    "r_detailtextures",
    "r_preloadtextures",
    "r_roundimagesdown",
    "r_gldriver",
    "r_fullscreen",
    "viewsize",
    "cg_viewsize",
    "cl_mouseaccel",
    "sensitivity",
    "freelook",
    "sv_hostname",
    "timelimit",
    "fraglimit",
    "dmflags",
    "r_allowextensions",
    "cg_stereoseparation",
    "zoomfov",
    "cg_zoomfov",
    "cm_playercurveclip",
    "s_mixprestep",
    "s_mixahead",
    "r_lightningsegmentlength",
    "r_faceplanecull",
    "r_swapinterval",
    "r_customaspect",
    "r_customheight",
    "r_customwidth",
    "r_ignoreglerrors",
    "r_stereo",
    "r_znear",
    "r_ext_texture_env_add",
    "r_ext_compiled_vertex_array",
    "r_ext_multitexture",
    "r_ext_gamma_control",
    "r_ext_texenv_add",
    "r_ext_swapinterval",
    "vid_ypos",
    "vid_xpos",
    "snd",
    "snaps",
    "m_side",
    "m_forward",
    "m_yaw",
    "m_pitch",
    "in_joystick",
    "in_mouse",
    "in_mididevice",
    "in_midichannel",
    "in_midiport",
    "in_midi",
    "com_hunkmegs",
    "nohealth",
    "teamflags",
};

// The first two lines of the old file are never carried.
constexpr std::size_t kFirstExamined = 2;

// The first five characters (normally "seta ") are not examined.
constexpr std::size_t kNameColumn = 5;

// A key binding: carried in the bind block, and only there.
bool isBindLine(std::string_view line) {
    return line.starts_with("bind");
}

bool passesNotTweakedTest(std::string_view line, std::string_view name) {
    const std::string_view part =
        line.size() > kNameColumn ? line.substr(kNameColumn, name.size()) : std::string_view();
    return AsciiLower(part) == name;
}

bool isNotTweakedLine(std::string_view line) {
    if (isBindLine(line)) return false;
    for (std::string_view name : kNotTweaked)
        if (passesNotTweakedTest(line, name)) return true;
    return false;
}

bool setsOneOf(std::string_view line, const std::set<std::string>& cvars) {
    return cvars.contains(AsciiLower(SettingName(line)));
}

// Carried in the bind block or among the Not Tweaked lines.
bool carriedInItsBlock(const Lines& oldLines, std::size_t i) {
    return i >= kFirstExamined && (isBindLine(oldLines[i]) || isNotTweakedLine(oldLines[i]));
}

std::string_view withoutBlanks(std::string_view line) {
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// Empty lines, comments and "unbindall" the file writes itself, where it wants them.
bool isLayout(std::string_view line) {
    const std::string_view text = withoutBlanks(line);
    return text.empty() || text.starts_with("//") || AsciiLower(text) == "unbindall";
}

}  // namespace

std::span<const char* const> NotTweakedNames() {
    return kNotTweaked;
}

void CopyBindLines(const Lines& oldLines, Lines& out) {
    for (std::size_t i = kFirstExamined; i < oldLines.size(); ++i)
        if (isBindLine(oldLines[i])) out.push_back(oldLines[i]);
}

bool CopyNotTweakedLine(const std::string& line, const std::string& name, Lines& out) {
    if (!passesNotTweakedTest(line, name)) return false;
    out.push_back(line);
    return true;
}

void CopyNotTweakedLines(const Lines& oldLines, const std::set<std::string>& written, Lines& out) {
    for (std::size_t i = kFirstExamined; i < oldLines.size(); ++i)
        if (isNotTweakedLine(oldLines[i]) && !setsOneOf(oldLines[i], written))
            out.push_back(oldLines[i]);
}

void CopyOtherLines(const Lines& oldLines, const std::set<std::string>& written, Lines& out) {
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        const std::string& line = oldLines[i];
        if (carriedInItsBlock(oldLines, i) || isLayout(line) || setsOneOf(line, written)) continue;
        out.push_back(line);
    }
}

}  // namespace brisko
