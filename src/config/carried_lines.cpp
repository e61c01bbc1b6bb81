#include "config/not_tweaked.h"

#include <string_view>

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
    return asciiLower(part) == name;
}

}  // namespace

std::span<const char* const> notTweakedNames() {
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

void CopyNotTweakedLines(const Lines& oldLines, Lines& out) {
    for (std::size_t i = kFirstExamined; i < oldLines.size(); ++i) {
        if (isBindLine(oldLines[i])) continue;
        for (const char* name : kNotTweaked)
            if (CopyNotTweakedLine(oldLines[i], name, out)) break;
    }
}

}  // namespace brisko
