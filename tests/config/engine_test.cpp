// The real game engine reads what the writer writes: the values it ends with
// are the values the window shows, the carried binds survive, and refused
// player names never reach it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "config/text_lines.h"
#include "engine_cvars.h"
#include "platform/ascii.h"
#include "writer_support.h"

namespace brisko::test {
namespace {

// The setting lines of a written file as (cvar, value), in file order.
std::vector<std::pair<std::string, std::string>> settingLines(const std::string& bytes) {
    std::vector<std::pair<std::string, std::string>> out;
    bool inSettings = false;
    for (const std::string& line : crlfLines(bytes)) {
        if (line == "// Renderer Options") inSettings = true;
        if (line == "// Not Tweaked") break;
        if (!inSettings || !line.starts_with("seta ")) continue;
        const auto space = line.find(' ', 5);
        out.emplace_back(line.substr(5, space - 5),
                         line.substr(space + 2, line.size() - space - 3));
    }
    return out;
}

struct EngineTest : WriterFixture {
    // What the engine ends with; nothing when it cannot run here (why in notHere).
    std::optional<EngineReport> engine(const std::vector<std::string>& cvars) {
        EngineRun run = runEngine(config, cvars);
        if (run.failed) ADD_FAILURE() << run.why;
        notHere = run.why;
        return run.report;
    }
    std::string notHere;
    // Saves without questions; the lines written for the settings.
    std::vector<std::pair<std::string, std::string>> saveState(std::span<const Setting> settings,
                                                               const std::string& name) {
        applySettings(form, settings);
        form.PlayerName.setText(name);
        form.SaveConfirmed = true;
        save();
        EXPECT_EQ(boxes(), std::vector<std::string>{});
        return settingLines(readBytes(config));
    }
};

// Where the engine's own range is narrower than the window's list: the value the
// engine takes instead.
struct EngineLimit {
    const char* cvar;
    const char* written;
    const char* engineValue;
};
const EngineLimit kEngineLimits[] = {
    {"r_gamma", "0.0", "0.5"},  // ioquake3 keeps gamma between 0.5 and 3
};

std::string engineValueFor(const std::string& cvar, const std::string& written) {
    for (const EngineLimit& limit : kEngineLimits)
        if (cvar == limit.cvar && written == limit.written) return limit.engineValue;
    return written;
}

std::string valueOf(const EngineReport& report, const std::string& cvar) {
    const auto it = report.values.find(cvar);
    return it == report.values.end() ? "(not reported)" : it->second;
}

void expectEngineHolds(const EngineReport& report,
                       const std::vector<std::pair<std::string, std::string>>& written) {
    for (const auto& [cvar, value] : written)
        EXPECT_EQ(valueOf(report, cvar), engineValueFor(cvar, value)) << cvar;
}

// The engine's complaints about a file it reads: commands it does not know,
// refused player info, rejected values.
void expectNoComplaints(const EngineReport& report) {
    for (const std::string& message : report.messages)
        for (const char* complaint : {"Unknown command", "Can't use", "WARNING", "invalid"})
            EXPECT_EQ(message.find(complaint), std::string::npos) << message;
}

std::vector<std::string> cvarsOf(const std::vector<std::pair<std::string, std::string>>& lines) {
    std::vector<std::string> cvars;
    for (const auto& line : lines) cvars.push_back(line.first);
    return cvars;
}

TEST_F(EngineTest, EndsWithTheValuesOfTheFirstStateAndKeepsTheBinds) {
    useConfig(goldenFile("old-a.cfg"));
    const auto written = saveState(stateA(), "^1Caf\xe9 Fan");
    ASSERT_EQ(written.size(), 72u);
    std::vector<std::string> cvars = cvarsOf(written);
    cvars.push_back("sensitivity");
    const auto report = engine(cvars);
    if (!report) GTEST_SKIP() << notHere;

    expectNoComplaints(*report);
    expectEngineHolds(*report, written);
    EXPECT_EQ(valueOf(*report, "name"), form.PlayerName.text());
    EXPECT_EQ(valueOf(*report, "r_gamma"), form.GammaCombo.text());
    EXPECT_EQ(valueOf(*report, "rate"), form.RateCombo.text());
    EXPECT_EQ(valueOf(*report, "r_mode"), "4");  // "800x600", the fourth resolution
    // The old file's second line is kept after the listed cvars' lines, so its
    // value comes last.
    EXPECT_EQ(valueOf(*report, "sensitivity"), "3");
    // Its first line and its "Bind" line are kept among the other lines.
    EXPECT_EQ(report->binds,
              (std::vector<std::string>{"bind TAB \"+scores\"", "bind SPACE \"+moveup\"",
                                        "bind w \"+forward\"", "bind x \"weapnext\""}));
}

TEST_F(EngineTest, EndsWithTheValuesOfTheSecondState) {
    useConfig(goldenFile("old-b.cfg"));
    const auto written = saveState(stateB(), "Player");
    ASSERT_EQ(written.size(), 72u);
    const auto report = engine(cvarsOf(written));
    if (!report) GTEST_SKIP() << notHere;
    expectNoComplaints(*report);
    expectEngineHolds(*report, written);
    EXPECT_EQ(valueOf(*report, "r_fastsky"), "1");
    EXPECT_EQ(valueOf(*report, "s_khz"), "11");
    // The old file's binds sat on its first two lines: kept among the other lines.
    EXPECT_EQ(report->binds, (std::vector<std::string>{"bind a \"+attack\"", "bind b \"+back\"",
                                                       "bind c \"+moveleft\""}));
}

void selectItem(ComboBox& list, const std::string& text) {
    const auto it = std::find(list.items().begin(), list.items().end(), text);
    ASSERT_NE(it, list.items().end()) << text;
    list.setItemIndex(static_cast<int>(it - list.items().begin()));
}

// The names today's engines read: field of view, frame cap, rail coil distance,
// rail colour, the player's model, body and head, texture compression, the
// weapon model, ioquake3's sound rate, and Quake3e's full-screen mode taken from
// r_mode.
TEST_F(EngineTest, TodaysEnginesReadTheWindowsChoices) {
    useConfig(goldenFile("old-b.cfg"));
    selectItem(form.FovCombo, "110");
    selectItem(form.MaxFPSCombo, "75");
    using F = TForm1;
    const Setting settings[] = {{&F::EffectColorCombo, 2},     {&F::Distance, 20},
                                {&F::ComboModel, 1},           {&F::SkinColorCombo, 1},
                                {&F::rextcompresstextures, 1}, {&F::cggun, 0},
                                {&F::SampleRateCombo, 1},      {&F::ResolutionCombo, 5}};
    saveState(settings, "Player");
    const auto report = engine({"cg_fov", "com_maxfps", "r_railSegmentLength", "color1", "model",
                                "headmodel", "r_ext_compressed_textures", "cg_drawGun",
                                "s_sdlSpeed", "r_modeFullscreen", "r_mode"});
    if (!report) GTEST_SKIP() << notHere;
    expectNoComplaints(*report);
    EXPECT_EQ(valueOf(*report, "cg_fov"), "110");
    EXPECT_EQ(valueOf(*report, "com_maxfps"), "75");
    EXPECT_EQ(valueOf(*report, "r_railSegmentLength"), "20");
    EXPECT_EQ(valueOf(*report, "color1"), "3");
    EXPECT_EQ(valueOf(*report, "model"), "sarge/blue");
    EXPECT_EQ(valueOf(*report, "headmodel"), "sarge/blue");
    EXPECT_EQ(valueOf(*report, "r_ext_compressed_textures"), "1");
    EXPECT_EQ(valueOf(*report, "cg_drawGun"), "0");
    EXPECT_EQ(valueOf(*report, "s_sdlSpeed"), "22050");
    EXPECT_EQ(valueOf(*report, "r_modeFullscreen"), "");
    EXPECT_EQ(valueOf(*report, "r_mode"), "6");
}

// A real config's settings that the window does not write (the crosshair's
// place, the time nudge, the mouse filter …) hold in the engine after a save as
// they held in the old file.
TEST_F(EngineTest, KeepsTheOldValuesOfTheSettingsItDoesNotWrite) {
    const std::string old =
        readBytes(std::string(BRISKO_SHARED_DIR) + "/configs/01-abique-conf.cfg");
    useConfig(old);
    // Written from the window; and the first releases' stereo separation, which
    // ioquake3 holds read-only at 0.
    std::set<std::string> leftOut = {"cg_stereoseparation"};
    for (const auto& [cvar, value] : saveState(stateA(), "Player")) leftOut.insert(cvar);
    std::map<std::string, std::string> kept;
    const std::regex seta(R"re(seta (\S+) "(.*)")re");
    for (const std::string& line : SplitLines(old))
        if (std::smatch m;
            std::regex_match(line, m, seta) && !leftOut.contains(AsciiLower(m[1].str())))
            kept[m[1]] = m[2];
    EXPECT_EQ(kept["cl_timenudge"], "-10");
    EXPECT_EQ(kept["cg_crosshairX"], "0");
    EXPECT_EQ(kept["m_filter"], "0");
    std::vector<std::string> cvars;
    for (const auto& entry : kept) cvars.push_back(entry.first);
    const auto report = engine(cvars);
    if (!report) GTEST_SKIP() << notHere;
    for (const auto& [cvar, value] : kept) EXPECT_EQ(valueOf(*report, cvar), value) << cvar;
}

// Today's values: a widescreen resolution, frame and packet rates of today's
// players, a server's highest rate, a field of view between the tens, 48 kHz.
TEST_F(EngineTest, TodaysValuesReachTheEngine) {
    useConfig(goldenFile("old-b.cfg"));
    form.Accelerator.userSelect(3);  // "nVidia TNT": today's resolutions
    for (auto [list, item] : {std::pair{&form.ResolutionCombo, "1920x1080"},
                              {&form.MaxFPSCombo, "125"},
                              {&form.MaxPacketsCombo, "125"},
                              {&form.RateCombo, "90000"},
                              {&form.FovCombo, "115"},
                              {&form.SampleRateCombo, "48 Khz"}})
        list->selectItem(item);
    saveState({}, "Player");
    const std::map<std::string, std::string> expected = {
        {"r_mode", "-1"},      {"r_customWidth", "1920"}, {"r_customHeight", "1080"},
        {"com_maxfps", "125"}, {"cl_maxpackets", "125"},  {"rate", "90000"},
        {"cg_fov", "115"},     {"s_khz", "48"},           {"s_sdlSpeed", "48000"}};
    std::vector<std::string> cvars;
    for (const auto& entry : expected) cvars.push_back(entry.first);
    const auto report = engine(cvars);
    if (!report) GTEST_SKIP() << notHere;
    expectNoComplaints(*report);
    for (const auto& [cvar, value] : expected) EXPECT_EQ(valueOf(*report, cvar), value) << cvar;
    EXPECT_NE(report->console.find("MODE: -1, 1920 x 1080"), std::string::npos) << report->console;
}

TEST_F(EngineTest, RefusedNamesNeverReachTheEngine) {
    useConfig(goldenFile("old-b.cfg"));
    saveState(stateA(), "Accepted");
    const std::string saved = readBytes(config);
    for (const std::string& name :
         {std::string("x\"; seta rcon_password \"pwned"), std::string("\"a\";quit;\""),
          std::string("a;b"), std::string("a\\b"), std::string("a\tb"), std::string(1100, 'y')}) {
        form.PlayerName.setText(name);
        save();
        EXPECT_EQ(readBytes(config), saved) << name;
    }
    const auto report = engine((std::vector<std::string>{"name", "rcon_password"}));
    if (!report) GTEST_SKIP() << notHere;
    expectNoComplaints(*report);
    EXPECT_EQ(valueOf(*report, "name"), "Accepted");
    EXPECT_EQ(report->unset, std::vector<std::string>{"rcon_password"});
}

TEST_F(EngineTest, AcceptedNamesReachTheEngineAsWritten) {
    useConfig(goldenFile("old-b.cfg"));
    for (const std::string& name :
         {std::string(255, 'x'), std::string("a$b /c'//{}^2Caf\xc3\xa9")}) {
        saveState(stateA(), name);
        const auto report = engine((std::vector<std::string>{"name"}));
        if (!report) GTEST_SKIP() << notHere;
        expectNoComplaints(*report);
        EXPECT_EQ(valueOf(*report, "name"), name);
    }
}

}  // namespace
}  // namespace brisko::test
