// A PATH folder on a mount that does not answer (a FUSE mount whose folder never
// answers): the look-ups of start-up and of Save & Test run where the search runs,
// so that the player's Stop goes on at once, and the mount is not entered again.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <filesystem>
#include <thread>

#include "launch/games.h"
#include "launch/launch_game.h"
#include "platform/posix/drives.h"
#include "platform/posix/paths.h"
#include "support/in_child.h"
#include "support/scoped_env.h"
#include "support/scripted_platform.h"
#include "support/stuck_mount.h"
#include "support/temp_tree.h"

namespace brisko {
namespace {

// Stops a search as the player would once the progress window names what it
// waits on; notes where that was, or that the search ended by itself.
struct StoppingFollower : SearchFollower {
    std::string seen = "not followed";
    void follow(FolderSearch& search, const std::string&) override {
        const auto until = FolderSearch::Clock::now() + std::chrono::seconds(20);
        for (;;) {
            const auto progress = search.progress(FolderSearch::Clock::now());
            if (search.finished() || FolderSearch::Clock::now() > until) {
                seen = "finished";
                return;
            }
            if (!progress.waitingFor.empty()) {
                const SearchPlace& place = progress.place;
                // Threads look up several names at once: any of them may be named.
                seen = place.where + " for " + place.sought + ", waiting in " +
                       FolderOf(progress.waitingFor);
                search.stop();
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
};

// The real drive table of a home, without the machine's own installed games.
struct HomeDrives : posix::PosixDrives {
    explicit HomeDrives(const std::string& home) : PosixDrives(home, "/proc/self/mounts") {}
    std::string systemRoot() const override { return ""; }
};

TEST(StuckPath, StartUpAndSaveAndTestGoOnWhenStopped) {
    test::TempTree home, elsewhere;
    const std::string config = home.file(".q3a/baseq3/q3config.cfg");
    const std::string nas = elsewhere.path("nas"), sub = nas + "/sub";
    // An engine in a PATH folder that answers, after the one that does not.
    const std::string engine = elsewhere.file("bin/ioquake3", "#!/bin/sh\n");
    std::filesystem::permissions(engine, std::filesystem::perms::owner_all);
    const std::vector<std::string> seen = test::inChild([&] {
        std::string reason;
        elsewhere.folder("nas");
        const pid_t fuse = test::mountStuck(nas, elsewhere.path("release"), reason);
        if (fuse < 0) return std::vector<std::string>{"skip: " + reason};
        std::vector<std::string> lines;
        {
            test::ScopedEnv path{"PATH", (sub + ":" + FolderOf(engine)).c_str()};
            HomeDrives drives(home.root());
            test::ScriptedPlatform sp;
            Platform platform{sp.messages,  sp.fileDialogs, sp.screen, drives,    sp.processors,
                              sp.processes, sp.profile,     sp.app,    sp.windows};
            StoppingFollower follower;
            const StartupFiles found = FindStartupFiles(drives, {}, &follower);
            lines.push_back(follower.seen);
            lines.insert(lines.end(), found.configFiles.begin(), found.configFiles.end());
            lines.push_back(FoundAGameToTest(found.gamesOnDriveC, found.installed) ? "a game"
                                                                                   : "no game");
            // Save & Test in the same run: the mount is passed over without a call.
            follower.seen = "not followed";
            const auto saveAndTest = [&](SearchFollower& by) {
                sp.processes.started.clear();
                DispatchUserEvent(sp.messages,
                                  [&] { LaunchGame(platform, config, 0, false, "", &by); });
                lines.push_back(sp.processes.started.empty() ? sp.messages.texts().back()
                                                             : sp.processes.started[0].program);
            };
            saveAndTest(follower);
            lines.push_back(follower.seen);
            // In a new run its look-ups wait there, and Stop ends the test as finding
            // nothing does.
            StoppingFollower fresh;
            saveAndTest(fresh);
            lines.push_back(fresh.seen);
        }
        std::ofstream(elsewhere.path("release")).put('\n');
        ::umount2(nas.c_str(), MNT_DETACH);
        ::waitpid(fuse, nullptr, 0);
        return lines;
    });
    SKIP_IF_CHILD_SKIPPED(seen);
    const std::string waited = "PATH for the game, waiting in " + sub;
    EXPECT_EQ(seen, (std::vector<std::string>{waited, config, "a game", engine, "finished",
                                              "List index out of bounds (0).", waited}));
}

}  // namespace
}  // namespace brisko
