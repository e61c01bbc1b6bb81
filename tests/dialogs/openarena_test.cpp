// Save & Test against the real OpenArena: the window saves a config in an
// OpenArena home, the game starts on its Q3Test1 map under an Xvfb of the test's
// own, reads the saved values, and ends by the process id it wrote.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <chrono>
#include <functional>
#include <thread>

#include "launch/games.h"
#include "launch/launch_game.h"
#include "platform/qt/qt_platform.h"
#include "support/form_fixture.h"
#include "support/game_tree.h"

namespace brisko {
namespace {

using namespace std::chrono_literals;

std::string contentsOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Whether `done` held within `limit`, looked at every 100 ms.
bool waitFor(std::chrono::seconds limit, const std::function<bool()>& done) {
    for (const auto end = std::chrono::steady_clock::now() + limit; !done();
         std::this_thread::sleep_for(100ms))
        if (std::chrono::steady_clock::now() > end) return false;
    return true;
}

// A process that has not ended: it is there, and no zombie left for init to reap.
bool running(pid_t pid) {
    const std::string stat = contentsOf("/proc/" + std::to_string(pid) + "/stat");
    const auto name = stat.rfind(')');
    return name != std::string::npos && name + 2 < stat.size() && stat[name + 2] != 'Z';
}

struct OpenArenaTest : test::FormFixture {
    test::GameTree tree{sp.drives};
    std::string baseoa = tree.c.folder(".openarena/baseoa");
    QProcess xvfb;
    pid_t game = 0;

    // Kills the game by the id in its ioq3.pid; whether it has ended.
    bool endGame() {
        game = std::atoi(contentsOf(baseoa + "/ioq3.pid").c_str());
        if (game > 0 && running(game)) ::kill(game, SIGKILL);
        return game > 0 && waitFor(10s, [this] { return !running(game); });
    }
    void TearDown() override {
        if (game == 0) endGame();
        xvfb.kill();
        EXPECT_TRUE(xvfb.state() == QProcess::NotRunning || xvfb.waitForFinished(10000));
    }
};

TEST_F(OpenArenaTest, StartsOnItsTestMapWithTheSavedConfig) {
    test::ScopedEnv path{"PATH", "/usr/games:/usr/bin:/bin"};
    const QString xvfbProgram = QStandardPaths::findExecutable("Xvfb");
    if (xvfbProgram.isEmpty() || QStandardPaths::findExecutable("openarena").isEmpty())
        GTEST_SKIP() << "needs Xvfb and openarena (in /usr/games on Debian)";
    xvfb.start(xvfbProgram, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    while (!xvfb.canReadLine() && xvfb.waitForReadyRead(20000)) {
    }
    const std::string display = ":" + xvfb.readLine().trimmed().toStdString();
    ASSERT_NE(display, ":") << "Xvfb gave no display";
    // The game's own home (HOME) is D:, so that only the home it is told leads it to C:.
    test::ScopedEnv onDisplay{"DISPLAY", display.c_str()}, softGl{"LIBGL_ALWAYS_SOFTWARE", "1"},
        home{"HOME", tree.d.root().c_str()};

    const std::string config =
        tree.c.file(".openarena/baseoa/q3config.cfg", "bind w \"+forward\"\r\n");
    state.currentConfigPath = config;
    form.MaxFPSCombo.selectItem("43");  // where the window starts at 0 and the game at 85
    form.PlayerName.setText("Tester");
    form.SaveConfirmed = true;
    DispatchUserEvent(sp.messages, [this] { form.SaveBtn.click(); });
    ASSERT_EQ(sp.messages.texts(), std::vector<std::string>{});
    ASSERT_NE(contentsOf(config).find("seta com_maxfps \"43\""), std::string::npos);

    // The player's parameters keep the game silent and have it log its console;
    // what it prints goes to a file rather than among the test's lines.
    qt::QtProcessStarter starter;
    Platform platform{sp.messages, sp.fileDialogs, sp.screen, sp.drives, sp.processors,
                      starter,     sp.profile,     sp.app,    sp.windows};
    const std::string printedPath = tree.d.path("printed.txt");
    const int out = ::dup(1), err = ::dup(2),
              file = ::open(printedPath.c_str(), O_WRONLY | O_CREAT, 0600);
    ::dup2(file, 1), ::dup2(file, 2);
    DispatchUserEvent(sp.messages, [&] {
        LaunchGame(platform, config, 0, false,
                   "+set s_initsound 0 +set logfile 2 +print com_maxfps");
    });
    ::dup2(out, 1), ::dup2(err, 2), ::close(out), ::close(err), ::close(file);
    ASSERT_EQ(sp.messages.texts(), std::vector<std::string>{});

    const std::string log = baseoa + "/qconsole.log";
    const bool entered = waitFor(60s, [&] {
        return contentsOf(log).find("Tester^7 entered the game") != std::string::npos;
    });
    const std::string console = contentsOf(log), printed = contentsOf(printedPath);
    EXPECT_TRUE(entered) << printed.substr(printed.size() > 3000 ? printed.size() - 3000 : 0);
    EXPECT_NE(console.find("Server: oa_dm1\n"), std::string::npos);
    EXPECT_NE(console.find("\"com_maxfps\" is:\"43^7\""), std::string::npos);
    EXPECT_TRUE(endGame()) << "the game (process " << game << ") did not end";
}

}  // namespace
}  // namespace brisko
