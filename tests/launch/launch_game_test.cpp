// Starting the game: a fake quake3.exe on a temporary drive C: records what it got.
#include "launch/launch_game.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/qt/qt_platform.h"
#include "support/scripted_platform.h"

namespace brisko {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Waits for a file the started program writes (it runs detached).
bool waitFor(const fs::path& path) {
    for (int i = 0; i < 200; ++i) {
        if (fs::exists(path) && fs::file_size(path) > 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return false;
}

struct LaunchTest : ::testing::Test {
    test::ScriptedPlatform sp;
    qt::QtProcessStarter realProcesses;
    fs::path root;
    fs::path gameDir;

    void SetUp() override {
        root = fs::temp_directory_path() /
               ("brisko_launch_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        gameDir = root / "c" / "Games" / "Quake III Arena";
        fs::create_directories(gameDir);
        sp.drives.roots['C'] = (root / "c").string() + "/";
    }
    void TearDown() override { fs::remove_all(root); }

    Platform platformWithRealProcesses() {
        return Platform{sp.messages,   sp.fileDialogs, sp.screen, sp.drives, sp.processors,
                        realProcesses, sp.profile,     sp.app,    sp.windows};
    }

    void writeFakeGame(const std::string& name, const std::string& body, fs::perms perms) {
        const fs::path exe = gameDir / name;
        std::ofstream(exe) << body;
        fs::permissions(exe, perms);
    }
};

TEST_F(LaunchTest, StartsTheGameInItsFolderWithTheParametersAsWords) {
    const fs::path args = root / "args.txt";
    const fs::path marker = root / "x";
    writeFakeGame("quake3.exe",
                  "#!/bin/sh\npwd > '" + (root / "pwd.txt").string() +
                      "'\nfor a in \"$@\"; do echo \"[$a]\"; done > '" + args.string() + "'\n",
                  fs::perms::owner_all);
    Platform platform = platformWithRealProcesses();

    LaunchGame(platform, "q3test2", false, "; touch " + marker.string());

    ASSERT_TRUE(waitFor(args));
    EXPECT_EQ(readAll(args), "[+map]\n[q3test2]\n[;]\n[touch]\n[" + marker.string() + "]\n");
    ASSERT_TRUE(waitFor(root / "pwd.txt"));
    EXPECT_EQ(readAll(root / "pwd.txt"), gameDir.string() + "\n");
    EXPECT_FALSE(fs::exists(marker));
}

TEST_F(LaunchTest, QuotedParametersStayOneWord) {
    const fs::path args = root / "args.txt";
    writeFakeGame("quake3.exe",
                  "#!/bin/sh\nfor a in \"$@\"; do echo \"[$a]\"; done > '" + args.string() + "'\n",
                  fs::perms::owner_all);
    Platform platform = platformWithRealProcesses();
    LaunchGame(platform, "q3tourney", true, "+set name \"Big Boss\"");
    ASSERT_TRUE(waitFor(args));
    EXPECT_EQ(readAll(args), "[+devmap]\n[q3tourney]\n[+set]\n[name]\n[Big Boss]\n");
}

TEST_F(LaunchTest, AFileThatCannotBeStartedIsReported) {
    writeFakeGame("quake3.exe", "#!/bin/sh\n", fs::perms::owner_read | fs::perms::owner_write);
    Platform platform = platformWithRealProcesses();
    dispatchUserEvent(sp.messages, [&] { LaunchGame(platform, "q3test1", false, ""); });
    ASSERT_EQ(sp.messages.shown.size(), 1u);
    EXPECT_EQ(sp.messages.shown[0].caption, "Brisko");
    EXPECT_EQ(sp.messages.shown[0].text, "Cannot start " + (gameDir / "quake3.exe").string() + ".");
}

TEST_F(LaunchTest, NoGameFoundIsAnIndexError) {
    dispatchUserEvent(sp.messages, [&] { LaunchGame(sp.platform, "q3test1", false, ""); });
    ASSERT_EQ(sp.messages.shown.size(), 1u);
    EXPECT_EQ(sp.messages.shown[0].text, "List index out of bounds (0).");
    EXPECT_TRUE(sp.processes.started.empty());
}

TEST_F(LaunchTest, AWindowsProgramIsStartedThroughWineWithThePathAsFound) {
    writeFakeGame("Quake3.EXE", "MZ\x90", fs::perms::owner_read | fs::perms::owner_write);
    LaunchGame(sp.platform, "q3test1", false, "");
    ASSERT_EQ(sp.processes.started.size(), 1u);
    const auto& start = sp.processes.started[0];
    EXPECT_EQ(start.program, "wine");
    EXPECT_EQ(start.args,
              (std::vector<std::string>{(gameDir / "Quake3.EXE").string(), "+map", "q3test1"}));
    EXPECT_EQ(start.workingDir, gameDir.string());
}

TEST_F(LaunchTest, TheFirstGameFoundIsStartedDriveCFirst) {
    const fs::path other = root / "e";
    fs::create_directories(other);
    std::ofstream(other / "quake3.exe") << "#!/bin/sh\n";
    sp.drives.roots['E'] = other.string() + "/";
    writeFakeGame("quake3.exe", "#!/bin/sh\n", fs::perms::owner_all);
    LaunchGame(sp.platform, "q3test1", false, "");
    ASSERT_EQ(sp.processes.started.size(), 1u);
    EXPECT_EQ(sp.processes.started[0].program, (gameDir / "quake3.exe").string());
}

}  // namespace
}  // namespace brisko
