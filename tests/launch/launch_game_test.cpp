// Starting the game: which game a config gets, with which words, folder and Wine
// prefix, seen by the recording process starter or by the started fakes themselves.
#include "launch/launch_game.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <chrono>
#include <thread>

#include "launch/games.h"
#include "platform/qt/qt_platform.h"
#include "support/game_tree.h"

namespace brisko {
namespace {

struct LaunchCase {
    bool real;             // started for real, or seen by the recording starter
    const char* files;     // see GameTree
    const char* config;    // the chosen config
    const char* extra;     // the additional parameters
    const char* expected;  // "program|arg|…|@folder[ WINEPREFIX=…]", or the error box
};

void PrintTo(const LaunchCase& c, std::ostream* out) {
    *out << c.files << " / " << c.config;
}

struct LaunchTest : ::testing::TestWithParam<LaunchCase> {
    test::ScriptedPlatform sp;
    test::GameTree tree{sp.drives};
    qt::QtProcessStarter real;

    // What LaunchGame did: the error box, the start recorded, or the line that the
    // started program wrote (it runs detached).
    std::string launch(bool realStart, const std::string& config, const std::string& extra,
                       int seconds = 10, int testMap = 0, bool cheats = false) {
        ProcessStarter& starter = realStart ? static_cast<ProcessStarter&>(real) : sp.processes;
        Platform platform{sp.messages, sp.fileDialogs, sp.screen, sp.drives, sp.processors,
                          starter,     sp.profile,     sp.app,    sp.windows};
        DispatchUserEvent(sp.messages,
                          [&] { LaunchGame(platform, tree(config), testMap, cheats, extra); });
        std::string outcome;
        for (const Message& box : sp.messages.shown) outcome += box.caption + ": " + box.text;
        for (const auto& start : sp.processes.started) {
            outcome += start.program + "|";
            for (const std::string& arg : start.args) outcome += arg + "|";
            outcome += "@" + start.workingDir;
            for (const std::string& variable : start.environment) outcome += " " + variable;
        }
        for (int i = 0; realStart && outcome.empty() && i < seconds * 40; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
            std::getline(std::ifstream(tree.record), outcome);
        }
        return outcome;
    }
};

TEST_P(LaunchTest, StartsTheGameOfTheConfig) {
    tree.make(GetParam().files);
    EXPECT_EQ(launch(GetParam().real, GetParam().config, GetParam().extra),
              tree(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LaunchTest,
    ::testing::Values(
        // A config in a native engine's home: an engine on PATH (folder by folder,
        // then in the table's order; only executable files, no dedicated server),
        // before any quake3.exe, told the home and the mod.
        LaunchCase{false, "xQ:ioquake3 xP:quake3e.x64 xP:ioquake3.x86_64 tP:ioquake3 wC:quake3.exe",
                   "C:.q3a/defrag/q3config.cfg", "",
                   "P:ioquake3.x86_64|+set|fs_homepath|C:.q3a|+set|fs_game|defrag|+map|q3dm7|@P:"},
        LaunchCase{true, "xP:ioquake3", "C:.q3a/my mod/q3config.cfg", "+set name \"Big Boss\"",
                   "P:ioquake3|+set|fs_homepath|C:.q3a|+set|fs_game|my mod|+map|q3dm7|+set|name|"
                   "\"Big|Boss\"|@P:"},
        LaunchCase{false, "xP:ioq3ded.x86_64 xP:quake3 xP:quake3e-vulkan xQ:ioquake3.x86",
                   "C:.config/Quake3/baseq3/q3config.cfg", "",
                   "P:quake3e-vulkan|+set|fs_homepath|C:.config/Quake3|+map|q3dm7|@P:"},
        // Then at the distributions' places, the Flatpak, and on the drives.
        LaunchCase{false, "xS:usr/games/quake3 xS:opt/quake3/ioquake3 xD:q3/ioquake3",
                   "C:.q3a/baseq3/q3config.cfg", "",
                   "S:opt/quake3/ioquake3|+set|fs_homepath|C:.q3a|+map|q3dm7|@S:opt/quake3"},
        LaunchCase{true, "xP:flatpak dS:var/lib/flatpak/app/org.ioquake3.ioquake3 xD:q3/ioquake3",
                   "C:.q3a/baseq3/q3config.cfg", "",
                   "P:flatpak|run|org.ioquake3.ioquake3|+map|q3dm7|@C:"},
        LaunchCase{false,
                   "wD:Games/quake3.exe tC:games/ioquake3 dC:games/quake3e xD:q3e/quake3e.x64 "
                   "dD:q3e/baseq3 xP:flatpak",
                   "C:.q3a/baseq3/q3config.cfg", "",
                   "D:q3e/quake3e.x64|+set|fs_homepath|C:.q3a|+map|q3dm7|@D:q3e"},
        // The Flatpak's own folders go to it first; without it, to an engine told the home.
        LaunchCase{false,
                   "xP:ioquake3 xQ:flatpak dC:.local/share/flatpak/app/org.ioquake3.ioquake3",
                   "C:.var/app/org.ioquake3.ioquake3/config/Quake3/osp/q3config.cfg", "",
                   "Q:flatpak|run|org.ioquake3.ioquake3|+set|fs_game|osp|+map|q3dm7|@C:"},
        LaunchCase{false, "xP:ioquake3 xQ:flatpak",
                   "C:.var/app/org.ioquake3.ioquake3/data/baseq3/q3config.cfg", "",
                   "P:ioquake3|+set|fs_homepath|C:.var/app/org.ioquake3.ioquake3/data|+map|q3dm7|"
                   "@P:"},
        // A game unpacked in one folder: its own engine, told that folder.
        LaunchCase{false, "xP:ioquake3 xD:ioq3/ioquake3.x86_64 dD:ioq3/baseq3",
                   "D:ioq3/cpma/q3config.cfg", "",
                   "D:ioq3/ioquake3.x86_64|+set|fs_homepath|D:ioq3|+set|fs_game|cpma|+map|q3dm7|"
                   "@D:ioq3"},
        // Steam's game through Steam, or its Flatpak, or else Wine.
        LaunchCase{true, "wC:Steam/steamapps/common/Quake3Arena/quake3.exe xP:steam xP:wine",
                   "C:Steam/steamapps/common/Quake3Arena/baseq3/q3config.cfg", "",
                   "P:steam|-applaunch|2200|+map|q3dm7|@C:Steam/steamapps/common/Quake3Arena"},
        LaunchCase{true,
                   "wC:S/SteamApps/common/Q3/Quake3.exe xP:flatpak xP:wine "
                   "dC:.local/share/flatpak/app/com.valvesoftware.Steam",
                   "C:S/SteamApps/common/Q3/osp/q3config.cfg", "",
                   "P:flatpak|run|com.valvesoftware.Steam|-applaunch|2200|+set|fs_game|osp|+map|"
                   "q3dm7|@C:S/SteamApps/common/Q3"},
        LaunchCase{false, "wC:S/steamapps/common/Q3/quake3.exe xP:wine xP:flatpak",
                   "C:S/steamapps/common/Q3/baseq3/q3config.cfg", "",
                   "P:wine|C:S/steamapps/common/Q3/quake3.exe|+map|q3dm7|@C:S/steamapps/common/Q3"},
        // A config outside any game: no fs_game, no home; a folder beside baseq3 (any
        // case) is a mod.
        LaunchCase{false, "xP:ioquake3", "C:Downloads/cpma/q3config.cfg", "",
                   "P:ioquake3|+map|q3dm7|@P:"},
        LaunchCase{false, "xP:ioquake3 dD:Q3/BaseQ3", "D:Q3/cpma/q3config.cfg", "",
                   "P:ioquake3|+set|fs_game|cpma|+map|q3dm7|@P:"},
        // OpenArena's and Urban Terror's configs start their own games, never Quake III.
        LaunchCase{false, "xP:ioquake3 xQ:openarena", "C:.openarena/baseoa/q3config.cfg", "",
                   "Q:openarena|+set|fs_homepath|C:.openarena|+map|oa_dm1|@Q:"},
        LaunchCase{false, "xP:ioquake3 wC:Games/quake3.exe xP:wine",
                   "C:.openarena/oax/q3config.cfg", "",
                   "Brisko: Cannot start C:.openarena/oax/q3config.cfg: its game was not found."},
        LaunchCase{false, "xP:ioquake3 xD:UrT43/Quake3-UrT.x86_64 dD:UrT43/q3ut4",
                   "D:UrT43/q3ut4/q3config.cfg", "",
                   "D:UrT43/Quake3-UrT.x86_64|+set|fs_homepath|D:UrT43|+map|ut4_casa|@D:UrT43"},
        // The config's own quake3.exe (any case), through wine inside its prefix.
        LaunchCase{false, "wC:.wine/drive_c/Q3/QUAKE3.EXE xP:wine xP:ioquake3",
                   "C:.wine/drive_c/Q3/osp/q3config.cfg", "",
                   "P:wine|C:.wine/drive_c/Q3/QUAKE3.EXE|+set|fs_game|osp|+map|q3dm7|"
                   "@C:.wine/drive_c/Q3 WINEPREFIX=C:.wine"},
        LaunchCase{true, "wC:.wine/drive_c/Q3/quake3.exe xP:wine",
                   "C:.wine/drive_c/Q3/BaseQ3/q3config.cfg", "",
                   "P:wine|C:.wine/drive_c/Q3/quake3.exe|+map|q3dm7|@C:.wine/drive_c/Q3 "
                   "WINEPREFIX=C:.wine"},
        // A quake3.exe that is no Windows program is never started.
        LaunchCase{true, "xC:Games/quake3.exe", "C:Games/baseq3/q3config.cfg", "; touch x",
                   "Brisko: List index out of bounds (0)."},
        // Any other config: the first quake3.exe (any case) on the drives (outside a
        // prefix); else an engine, PATH first.
        LaunchCase{false, "wC:Other/Quake3.EXE wD:a/quake3.exe xP:wine dD:Q3/quake3.exe",
                   "D:Q3/baseq3/q3config.cfg", "", "P:wine|C:Other/Quake3.EXE|+map|q3dm7|@C:Other"},
        LaunchCase{false, "xC:ioq/ioquake3 xP:quake3e", "C:Q3/baseq3/q3config.cfg", "",
                   "P:quake3e|+map|q3dm7|@P:"},
        // Paths keep their bytes: the engine in a folder whose name is no UTF-8, not
        // the one at the name with the byte replaced.
        LaunchCase{true, "xD:g\xE9/ioquake3 dD:g\xE9/baseq3 xD:g\xEF\xBF\xBD/ioquake3 xP:wine",
                   "C:.q3a/baseq3/q3config.cfg", "",
                   "D:g\xE9/ioquake3|+set|fs_homepath|C:.q3a|+map|q3dm7|@D:g\xE9"},
        // An engine found on the drives counts only inside a game folder.
        LaunchCase{false, "xC:Downloads/archive/ioquake3", "C:.q3a/baseq3/q3config.cfg", "",
                   "Brisko: List index out of bounds (0)."},
        // What cannot be started.
        LaunchCase{false, "tP:ioquake3 dP:quake3e tC:bin/ioquake3.aarch64",
                   "C:.q3a/baseq3/q3config.cfg", "", "Brisko: List index out of bounds (0)."},
        LaunchCase{false, "wC:q/quake3.exe tP:wine", "C:q/baseq3/q3config.cfg", "",
                   "Brisko: Cannot start C:q/quake3.exe: Windows programs need Wine, which was "
                   "not found."},
        LaunchCase{true, "tC:Games/quake3.exe", "", "", "Brisko: List index out of bounds (0)."}));

// A folder name that the game would read as more than a name starts nothing; one
// with a blank is passed whole.
TEST_F(LaunchTest, FolderNamesTheGameWouldSplitAreRefused) {
    tree.make("xP:ioquake3");
    for (const char* mod : {"a\" +exec evil \"b", "q\"x", "a;quit", "a+b", "a\nb", "a\x7f", "m\xE9",
                            "mod\xC3\xA9", "a b"}) {
        sp.messages.shown.clear();
        sp.processes.started.clear();
        const std::string config = "C:.q3a/" + std::string(mod) + "/q3config.cfg";
        std::filesystem::create_directories(tree(config).substr(0, tree(config).rfind('/')));
        const std::string refused = "Brisko: Cannot start P:ioquake3: the folder name \"" +
                                    std::string(mod) + "\" cannot be passed to the game.";
        const std::string passed = "P:ioquake3|+set|fs_homepath|C:.q3a|+set|fs_game|" +
                                   std::string(mod) + "|+map|q3dm7|@P:";
        EXPECT_EQ(launch(false, config, ""), tree(std::string(mod) == "a b" ? passed : refused));
    }
}

// A program whose path does not begin at the root is never started: from the
// game's folder, where the game starts, it would name another program.
TEST_F(LaunchTest, AProgramFoundByARelativePathIsNotStarted) {
    tree.make("xD:g/ioquake3 dD:g/baseq3");
    const std::filesystem::path started = std::filesystem::current_path();
    std::filesystem::current_path(tree.d.root());
    sp.drives.roots['D'] = "./";
    const std::string outcome = launch(false, "C:.q3a/baseq3/q3config.cfg", "");
    std::filesystem::current_path(started);
    EXPECT_EQ(outcome, "Brisko: Cannot start ./g/ioquake3.");
}

// Each item of the test-map dialog, with and without cheats, starts the map of
// the config's game that the test map became; no item, the bare map command.
TEST_F(LaunchTest, EachItemStartsItsMapInTheGameOfTheConfig) {
    tree.make("xP:ioquake3 xP:openarena xD:UrT/Quake3-UrT dD:UrT/q3ut4");
    const struct {
        const char* config;
        const char* words;    // the program and the words before the map command
        const char* maps[4];  // no item, then items 0 to 2
        const char* folder;
    } games[] = {
        {"C:.q3a/cpma/q3config.cfg",
         "P:ioquake3|+set|fs_homepath|C:.q3a|+set|fs_game|cpma|",
         {"", "q3dm7", "q3dm17", "q3tourney2"},
         "P:"},
        {"C:.openarena/baseoa/q3config.cfg",
         "P:openarena|+set|fs_homepath|C:.openarena|",
         {"", "oa_dm1", "wrackdm17", "czest1tourney"},
         "P:"},
        {"D:UrT/q3ut4/q3config.cfg",
         "D:UrT/Quake3-UrT|+set|fs_homepath|D:UrT|",
         {"", "ut4_casa", "ut4_turnpike", "ut4_abbey"},
         "D:UrT"},
    };
    for (const auto& game : games)
        for (int item = -1; item <= 2; ++item)
            for (const bool cheats : {false, true}) {
                sp.processes.started.clear();
                const std::string map = game.maps[item + 1];
                const std::string command = (cheats ? "+devmap|" : "+map|") + map;
                EXPECT_EQ(launch(false, game.config, "", 10, item, cheats),
                          tree(game.words + command + (map.empty() ? "@" : "|@") + game.folder))
                    << game.config << " item " << item;
            }
}

// A Windows program that records its arguments and folder as the fakes do.
constexpr const char* kRecorder = R"(#include <direct.h>
#include <stdio.h>
int main(int n, char** a) {
    char folder[999];
    FILE* f = fopen(RECORD ".new", "wb");
    for (int i = 1; i < n; ++i) fprintf(f, "%s|", a[i]);
    fprintf(f, "@%s", _getcwd(folder, sizeof folder));
    fclose(f);
    return rename(RECORD ".new", RECORD);
})";

// A tiny Windows program through real Wine, where it and a MinGW compiler are installed.
TEST_F(LaunchTest, ARealWindowsProgramThroughRealWineInItsPrefix) {
    test::ScopedEnv path{"PATH", tree.path.old.value_or("").c_str()};
    const QString compiler = QStandardPaths::findExecutable("x86_64-w64-mingw32-gcc");
    if (compiler.isEmpty() || QStandardPaths::findExecutable("wine").isEmpty())
        GTEST_SKIP() << "no wine or MinGW on PATH";
    test::ScopedEnv quiet{"WINEDEBUG", "-all"}, noDownloads{"WINEDLLOVERRIDES", "mscoree,mshtml="};
    const std::string game = tree.c.file(".wine/drive_c/Q3/quake3.exe");
    ASSERT_EQ(
        QProcess::execute(compiler, {QString::fromStdString("-DRECORD=\"Z:" + tree.record + "\""),
                                     "-o", game.c_str(), tree.d.file("r.c", kRecorder).c_str()}),
        0);

    // A quoted name with a blank reaches it as one word.
    EXPECT_EQ(launch(true, "C:.wine/drive_c/Q3/my mod/q3config.cfg", "+set name \"Big Boss\"", 180),
              "+set|fs_game|my mod|+map|q3dm7|+set|name|Big Boss|@C:\\Q3");
    test::ScopedEnv prefix{"WINEPREFIX", tree("C:.wine").c_str()};
    QProcess::execute("wineserver", {"-w"});  // ends before its prefix is removed
}

}  // namespace
}  // namespace brisko
