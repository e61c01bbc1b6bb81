// Real configs found in players' repositories, with a line for every carried cvar
// added, saved and saved again.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "config/cvar_reader.h"
#include "platform/ascii.h"
#include "writer_support.h"

namespace brisko::test {
namespace {

namespace fs = std::filesystem;

const std::string kConfigs = std::string(BRISKO_SHARED_DIR) + "/configs/";

// The lines of `lines` after the line `from` up to (not including) `to`.
std::vector<std::string> between(const std::vector<std::string>& lines, const std::string& from,
                                 const std::string& to) {
    std::vector<std::string> out;
    bool inside = false;
    for (const std::string& line : lines) {
        if (inside && line == to) break;
        if (inside) out.push_back(line);
        if (line == from) inside = true;
    }
    return out;
}

// The cvars a save carries over, s_khz left out (it is written from the sample rate list).
// clang-format off
const char* const kCarried[] = {
    "crosshairsize", "cg_crosshairsize", "cg_viewsize", "cg_zoomfov", "cg_drawkiller", "cg_drawstatus", "s_musicvolume", "r_lastvalidrenderer",
    "r_simplemipmaps", "r_overbrightbits", "r_detailtextures", "r_preloadtextures",
    "r_roundimagesdown", "r_gldriver", "r_fullscreen", "viewsize", "cl_mouseaccel", "sensitivity",
    "freelook", "sv_hostname", "timelimit", "fraglimit", "dmflags", "r_allowextensions",
    "cg_stereoseparation", "zoomfov", "cm_playercurveclip", "s_mixprestep", "s_mixahead",
    "r_lightningsegmentlength", "r_faceplanecull", "r_swapinterval", "r_customaspect",
    "r_customheight", "r_customwidth", "r_ignoreglerrors", "r_stereo", "r_znear",
    "r_ext_texture_env_add", "r_ext_compiled_vertex_array", "r_ext_multitexture",
    "r_ext_gamma_control", "r_ext_texenv_add", "r_ext_swapinterval", "vid_ypos", "vid_xpos", "snd",
    "snaps", "m_side", "m_forward", "m_yaw", "m_pitch", "in_joystick", "in_mouse", "in_mididevice",
    "in_midichannel", "in_midiport", "in_midi", "com_hunkmegs", "nohealth", "teamflags"};
// clang-format on

// Bind lines are carried with the bindings only.
bool carriedCvar(const std::string& line) {
    if (line.size() <= 5 || line.starts_with("bind")) return false;
    for (const char* name : kCarried)
        if (AsciiLower(line.substr(5)).starts_with(name)) return true;
    return false;
}

class RealConfig : public WriterFixture, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        WriterFixture::SetUp();
        if (!fs::exists(kConfigs + GetParam())) GTEST_SKIP() << "no shared config " << GetParam();
        // A line for every carried cvar, and one for the sample rate, which is not carried.
        original = readBytes(kConfigs + GetParam()) + "\r\nseta s_khz \"22\"\r\n";
        for (const char* name : kCarried) original += "seta " + std::string(name) + " \"1\"\r\n";
        useConfig(original);
        LoadConfig(form, config);
        nameRead = form.PlayerName.text();
        form.SaveConfirmed = true;
    }
    std::string original;
    std::string nameRead;
};

// The lower-case cvar names of the "seta" lines the file writes from the window.
std::set<std::string> writtenCvars(const std::vector<std::string>& written) {
    std::set<std::string> cvars;
    for (const std::string& line : between(written, "// Renderer Options", "// Not Tweaked"))
        if (line.starts_with("seta ")) cvars.insert(line.substr(5, line.find(' ', 5) - 5));
    return cvars;
}

// The second word of a "seta" line (any case), quotes taken out and in lower case.
std::string setaCvar(const std::string& line) {
    std::istringstream words(line);
    std::string command, cvar;
    words >> command >> cvar;
    if (AsciiLower(command) != "seta") return "";
    std::erase(cvar, '"');
    return AsciiLower(cvar);
}

TEST_P(RealConfig, KeepsItsBindsCarriedLinesAndName) {
    sp.messages.answers = {Answer::No};  // an empty name stays empty
    save();
    const std::vector<std::string> written = crlfLines(readBytes(config));
    ASSERT_GT(written.size(), 3u) << "nothing written";

    const Lines old = SplitLines(original);
    std::vector<std::string> binds, carried;
    for (std::size_t i = 2; i < old.size(); ++i) {
        if (old[i].starts_with("bind")) binds.push_back(old[i]);
        if (carriedCvar(old[i])) carried.push_back(old[i]);
    }
    EXPECT_EQ(between(written, "// Player Controls", "// Renderer Options"), binds);
    std::vector<std::string> kept = between(written, "// Not Tweaked", "(end)");
    ASSERT_GE(kept.size(), carried.size());
    EXPECT_EQ(std::vector<std::string>(kept.begin(), kept.begin() + carried.size()), carried);

    // Every seta line of a cvar not written from the window is kept, byte for byte.
    const std::set<std::string> fromWindow = writtenCvars(written);
    std::vector<std::string> setaLines;
    for (const std::string& line : old)
        if (!setaCvar(line).empty() && !fromWindow.contains(setaCvar(line)))
            setaLines.push_back(line);
    std::sort(setaLines.begin(), setaLines.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_TRUE(std::includes(kept.begin(), kept.end(), setaLines.begin(), setaLines.end()));
    std::string name = "(none)";
    ReadCvarValue(SplitLines(readBytes(config)), 6, 4, "name", name);
    EXPECT_EQ(name, nameRead);
    EXPECT_EQ(readBytes(backup()), original);
}

TEST_P(RealConfig, SavedAgainGivesTheSameFile) {
    sp.messages.answers = {Answer::No, Answer::No};
    save();
    const std::string first = readBytes(config);
    LoadConfig(form, config);
    save();
    EXPECT_EQ(readBytes(config), first);
}

INSTANTIATE_TEST_SUITE_P(
    Shared, RealConfig,
    ::testing::Values("01-abique-conf.cfg", "03-cirnip-dotfiles-baseoa.cfg",
                      "07-em230418-dotfiles-cpma.cfg", "08-thestalwart-dotswt.cfg",
                      "11-kr3m-q3config.cfg", "15-expandingshapes-configs.cfg",
                      "18-steffkn-quake-configs.cfg", "22-xaionaro-osp.cfg",
                      "26-opensourcelan-gameservers.cfg", "28-twerszko-ioq3-installer.cfg",
                      "31-the-gmann-q3ibr.cfg", "35-timewaffle-q3a-patched.cfg",
                      "36-q3aql-q3aserv-cpma.cfg", "39-thr0ned-qlcfg-ql.cfg"),
    [](const auto& test) {
        std::string name = test.param;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return "File" + name;
    });

}  // namespace
}  // namespace brisko::test
