// Starting the game: which game a config gets, and real starts of recording fakes.
#include "launch/launch_game.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <chrono>
#include <fstream>
#include <thread>

#include "app/game_process_starter.h"
#include "launch/games.h"
#include "support/game_tree.h"

namespace brisko {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

Lines readLines(const std::string& path) {
    Lines lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Waits for a file that the started program writes (it runs detached).
bool waitFor(const std::string& path, int seconds = 10) {
    for (int i = 0; i < seconds * 40 && !fs::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    return fs::exists(path);
}

struct ChoiceCase {
    const char* name;
    Lines files;         // see GameTree
    const char* config;  // the chosen config
    const char* game;    // the program started, or the game named in the error
    Lines args;
    const char* folder;  // the working folder
    const char* prefix;  // WINEPREFIX, "" for none
    const char* error;   // the error box (%s: the game), "" for none
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

class ChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceTest, StartsTheGameOfTheConfig) {
    const ChoiceCase& c = GetParam();
    test::ScriptedPlatform sp;
    test::GameTree tree(sp.drives);
    for (const std::string& file : c.files) tree.make(file);
    dispatchUserEvent(sp.messages,
                      [&] { LaunchGame(sp.platform, tree(c.config), "q3test1", false, ""); });
    if (*c.error) {
        std::string error = c.error;
        if (const auto at = error.find("%s"); at != std::string::npos)
            error.replace(at, 2, tree(c.game));
        EXPECT_EQ(sp.messages.shown, test::Boxes{test::errorBox(error)});
        EXPECT_TRUE(sp.processes.started.empty());
        return;
    }
    ASSERT_EQ(sp.processes.started.size(), 1u);
    const auto& start = sp.processes.started[0];
    EXPECT_EQ(start.program, tree(c.game));
    Lines args;
    for (const std::string& arg : c.args) args.push_back(tree(arg));
    EXPECT_EQ(start.args, args);
    EXPECT_EQ(start.workingDir, tree(c.folder));
    EXPECT_EQ(start.environment, *c.prefix ? Lines{"WINEPREFIX=" + tree(c.prefix)} : Lines{});
}

const Lines kMap = {"+map", "q3test1"};

INSTANTIATE_TEST_SUITE_P(
    Table, ChoiceTest,
    ::testing::Values(
        ChoiceCase{"NativeConfigTakesTheEngineOnPath",
                   {"x P:ioquake3", "w C:Games/quake3.exe"},
                   "C:.q3a/baseq3/q3config.cfg",
                   "P:ioquake3",
                   kMap,
                   "P:",
                   "",
                   ""},
        ChoiceCase{"ModConfigLoadsTheMod",
                   {"x P:quake3e"},
                   "C:.q3a/defrag/q3config.cfg",
                   "P:quake3e",
                   {"+set", "fs_game", "defrag", "+map", "q3test1"},
                   "P:",
                   "",
                   ""},
        ChoiceCase{"OwnWindowsGameThroughWineInItsPrefix",
                   {"w C:.wine/drive_c/Q3/QUAKE3.EXE", "x P:wine", "x P:ioquake3"},
                   "C:.wine/drive_c/Q3/osp/q3config.cfg",
                   "P:wine",
                   {"C:.wine/drive_c/Q3/QUAKE3.EXE", "+set", "fs_game", "osp", "+map", "q3test1"},
                   "C:.wine/drive_c/Q3",
                   "C:.wine",
                   ""},
        ChoiceCase{"PathFolderFirstThenTheTablesOrder",
                   {"x Q:ioquake3", "x P:quake3e.x64", "x P:ioquake3.x86_64"},
                   "C:.q3a/BaseQ3/q3config.cfg",
                   "P:ioquake3.x86_64",
                   kMap,
                   "P:",
                   "",
                   ""},
        ChoiceCase{"EngineOnTheDrivesWhenNoneOnPath",
                   {"w D:Games/quake3.exe", "t C:games/ioquake3", "d C:games/quake3e",
                    "x D:q3e/quake3e.x64", "t P:ioquake3.aarch64"},
                   "C:.q3a/baseq3/q3config.cfg",
                   "D:q3e/quake3e.x64",
                   kMap,
                   "D:q3e",
                   "",
                   ""},
        ChoiceCase{"OtherConfigTakesTheFirstWindowsGame",
                   {"w C:Other/quake3.exe", "w D:a/quake3.exe", "x P:ioquake3", "x P:wine",
                    "d D:Games/Q3/quake3.exe"},
                   "D:Games/Q3/baseq3/q3config.cfg",
                   "P:wine",
                   {"C:Other/quake3.exe", "+map", "q3test1"},
                   "C:Other",
                   "",
                   ""},
        ChoiceCase{"OtherConfigWithoutWindowsGameTakesAnEngine",
                   {"x C:ioq/ioquake3", "x P:quake3e"},
                   "C:Games/q3/baseq3/q3config.cfg",
                   "P:quake3e",
                   kMap,
                   "P:",
                   "",
                   ""},
        ChoiceCase{"NoGame",
                   {"t P:ioquake3", "d P:quake3e", "t C:bin/ioquake3.aarch64"},
                   "C:.q3a/baseq3/q3config.cfg",
                   "",
                   {},
                   "",
                   "",
                   "List index out of bounds (0)."},
        ChoiceCase{"NoWine",
                   {"w C:q/quake3.exe", "t P:wine"},
                   "C:q/baseq3/q3config.cfg",
                   "C:q/quake3.exe",
                   {},
                   "",
                   "",
                   "Cannot start %s: Windows programs need Wine, which was not found."}),
    [](const auto& info) { return std::string(info.param.name); });

// Real starts of the recording fakes: what they got, where, with which WINEPREFIX.
struct RealCase {
    const char* name;
    Lines files;
    const char* config;
    const char* extra;
    Lines record;  // the working folder, WINEPREFIX, then every argument in brackets
};

void PrintTo(const RealCase& c, std::ostream* out) {
    *out << c.name;
}

class RealStartTest : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealStartTest, TheGameGetsItsWordsFolderAndPrefix) {
    const RealCase& c = GetParam();
    test::ScriptedPlatform sp;
    GameProcessStarter processes;
    Platform platform{sp.messages, sp.fileDialogs, sp.screen, sp.drives, sp.processors,
                      processes,   sp.profile,     sp.app,    sp.windows};
    test::GameTree tree(sp.drives);
    for (const std::string& file : c.files) tree.make(file);
    dispatchUserEvent(sp.messages,
                      [&] { LaunchGame(platform, tree(c.config), "q3test1", false, c.extra); });
    EXPECT_EQ(sp.messages.texts(), Lines{});
    ASSERT_TRUE(waitFor(tree.record));
    Lines expected;
    for (const std::string& line : c.record)
        expected.push_back(line.starts_with("[") ? "[" + tree(line.substr(1)) : tree(line));
    EXPECT_EQ(readLines(tree.record), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RealStartTest,
    ::testing::Values(RealCase{"NativeEngineOnPathWithAModOfTwoWords",
                               {"x P:ioquake3"},
                               "C:.q3a/my mod/q3config.cfg",
                               "+set name \"Big Boss\"",
                               {"P:", "", "[+set]", "[fs_game]", "[my mod]", "[+map]", "[q3test1]",
                                "[+set]", "[name]", "[Big Boss]"}},
                      RealCase{"WindowsGameInAPrefixThroughWine",
                               {"w C:.wine/drive_c/Q3/quake3.exe", "x P:wine"},
                               "C:.wine/drive_c/Q3/baseq3/q3config.cfg",
                               "",
                               {"C:.wine/drive_c/Q3", "C:.wine", "[C:.wine/drive_c/Q3/quake3.exe]",
                                "[+map]", "[q3test1]"}},
                      RealCase{"OwnGameInItsFolderNeverThroughAShell",
                               {"x C:Games/Quake III Arena/quake3.exe"},
                               "C:Games/Quake III Arena/baseq3/q3config.cfg",
                               "; touch x",
                               {"C:Games/Quake III Arena", "", "[+map]", "[q3test1]", "[;]",
                                "[touch]", "[x]"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LaunchGame, AGameThatCannotBeStartedIsReported) {
    test::ScriptedPlatform sp;
    GameProcessStarter processes;
    Platform platform{sp.messages, sp.fileDialogs, sp.screen, sp.drives, sp.processors,
                      processes,   sp.profile,     sp.app,    sp.windows};
    test::GameTree tree(sp.drives);
    tree.make("t C:Games/quake3.exe");
    dispatchUserEvent(sp.messages, [&] { LaunchGame(platform, "", "q3test1", false, ""); });
    EXPECT_EQ(sp.messages.shown,
              test::Boxes{test::errorBox("Cannot start " + tree("C:Games/quake3.exe") + ".")});
}

// A tiny Windows program that records its folder and its arguments beside itself.
constexpr const char* kRecorder = R"(#include <direct.h>
#include <stdio.h>
int main(int argc, char** argv) {
    char folder[1024];
    FILE* f = fopen("started.new", "wb");
    fprintf(f, "%s\n", _getcwd(folder, sizeof folder));
    for (int i = 1; i < argc; ++i) fprintf(f, "[%s]\n", argv[i]);
    fclose(f);
    return rename("started.new", "started.txt");
})";

TEST(LaunchGame, ARealWindowsProgramThroughRealWineInItsPrefix) {
    const char* const compiler[] = {"x86_64-w64-mingw32-gcc"};
    const char* const wine[] = {"wine"};
    const Lines gcc = FindOnPath(compiler);
    if (gcc.empty() || FindOnPath(wine).empty())
        GTEST_SKIP() << "needs wine and x86_64-w64-mingw32-gcc on PATH";
    const std::string path = std::getenv("PATH");
    test::ScriptedPlatform sp;
    GameProcessStarter processes;
    Platform platform{sp.messages, sp.fileDialogs, sp.screen, sp.drives, sp.processors,
                      processes,   sp.profile,     sp.app,    sp.windows};
    test::GameTree tree(sp.drives);
    test::ScopedEnv realPath{"PATH", path.c_str()}, quiet{"WINEDEBUG", "-all"},
        noDownloads{"WINEDLLOVERRIDES", "mscoree,mshtml="};
    const std::string game = tree.c.file(".wine/drive_c/Q3/quake3.exe");
    ASSERT_EQ(QProcess::execute(gcc[0].c_str(),
                                {"-o", game.c_str(), tree.d.file("r.c", kRecorder).c_str()}),
              0);

    dispatchUserEvent(sp.messages, [&] {
        LaunchGame(platform, tree("C:.wine/drive_c/Q3/my mod/q3config.cfg"), "q3test1", false, "");
    });
    const bool started = waitFor(tree("C:.wine/drive_c/Q3/started.txt"), 180);
    {
        test::ScopedEnv prefix{"WINEPREFIX", tree("C:.wine").c_str()};
        QProcess::execute("wineserver", {"-w"});  // ends before its folder is removed
    }
    EXPECT_EQ(sp.messages.texts(), Lines{});
    ASSERT_TRUE(started);
    EXPECT_EQ(readLines(tree("C:.wine/drive_c/Q3/started.txt")),
              (Lines{"C:\\Q3", "[+set]", "[fs_game]", "[my mod]", "[+map]", "[q3test1]"}));
}

}  // namespace
}  // namespace brisko
