// Stopping a search: at once, even while a walker waits on a folder that does not
// answer (a listing the test holds, a FUSE mount whose listing never comes), with
// what was found so far in the order of the whole search.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <thread>

#include "discovery/folder_search.h"
#include "platform/posix/drives.h"
#include "support/in_child.h"
#include "support/slow_folders.h"
#include "support/stuck_mount.h"
#include "support/temp_tree.h"

namespace brisko {
namespace {

using test::TempTree;
using Paths = std::vector<std::string>;
using Clock = FolderSearch::Clock;

SearchRoot configsIn(const std::string& dir, Paths& found) {
    return SearchRoot::walk(dir, {{{"q3config.cfg"}, Check::Listed, &found, true}});
}

Paths search(const std::string& dir, unsigned threads, std::vector<std::string> remote = {}) {
    Paths found;
    FolderSearch({configsIn(dir, found)}, {.threads = threads, .remoteMounts = std::move(remote)})
        .finish();
    return found;
}

// Whether `part` holds paths of `whole` in the same order.
bool inOrderOf(const Paths& part, const Paths& whole) {
    auto at = whole.begin();
    for (const std::string& path : part)
        if ((at = std::find(at, whole.end(), path)) == whole.end()) return false;
    return true;
}

TEST(StoppedSearch, GivesWhatWasFoundInTheOrderOfTheWholeSearchAtOnce) {
    TempTree tree;
    for (const char* folder : {"a", "b/c", "b/slow", "b/slow/d", "e", "f/g/h", "slow", "i"})
        tree.file(std::string(folder) + "/q3config.cfg");
    const Paths whole = search(tree.dir(), 1);
    // The whole list up to the first path in a folder that does not answer.
    const Paths before(whole.begin(), std::find_if(whole.begin(), whole.end(), [](auto& path) {
                           return path.find("/slow/") != std::string::npos;
                       }));
    const std::string stuckAt = whole[before.size()].starts_with(tree.path("b/slow/"))
                                    ? tree.path("b/slow")
                                    : tree.path("slow");
    for (unsigned threads : {1u, 4u}) {
        test::SlowFolders slow;
        Paths found;
        FolderSearch walk({configsIn(tree.dir(), found)}, {.threads = threads, .source = &slow});
        ASSERT_TRUE(slow.awaitWaiting());
        if (threads == 1) {  // named once the same call has lasted long enough
            const Clock::time_point now = Clock::now();
            EXPECT_EQ(walk.progress(now).waitingFor, "");
            EXPECT_EQ(walk.progress(now + FolderSearch::kWaitNamed).waitingFor, stuckAt);
        }
        walk.stop();
        EXPECT_TRUE(slow.waiting()) << "the stop waited for the listing";
        walk.finish();
        EXPECT_EQ(found.size(), walk.progress(Clock::now()).found) << threads;
        EXPECT_TRUE(inOrderOf(found, whole)) << threads;
        EXPECT_TRUE(std::none_of(found.begin(), found.end(), [](auto& path) {
            return path.find("/slow/") != std::string::npos;
        }));
        if (threads == 1) {
            EXPECT_EQ(found, before);
        }
        // The walker left behind ends once the listing answers.
        slow.release();
        EXPECT_TRUE(slow.awaitAllClosed());
    }
}

// Where a stopped search was left waiting in a network or FUSE mount, later
// searches given it neither walk nor look up anything there, until the call there
// answers; a local folder left waiting in is walked by the next search.
TEST(StoppedSearch, LaterSearchesPassOverTheMountItWasLeftWaitingIn) {
    TempTree tree;
    const std::string config = tree.file("a/q3config.cfg");
    const std::string slowConfig = tree.file("slow/q3config.cfg");
    {  // A local folder: the next search, while the call there still waits, walks it.
        UnansweredMounts local;
        test::SlowFolders slow;
        Paths walked, again;
        {
            FolderSearch first({configsIn(tree.dir(), walked)},
                               {.threads = 1, .source = &slow, .unanswered = &local});
            ASSERT_TRUE(slow.awaitWaiting());
        }  // stopped
        FolderSearch({configsIn(tree.dir(), again)}, {.unanswered = &local}).finish();
        EXPECT_EQ(again.size(), 2u);
        slow.release();
        EXPECT_TRUE(slow.awaitAllClosed());
    }
    UnansweredMounts unanswered;
    test::SlowFolders slow, stuckToo;
    Paths walked, lookedUp;
    {  // One thread, so that no other call (in "a") is under way at the stop.
        FolderSearch first({configsIn(tree.dir(), walked)}, {.threads = 1,
                                                             .source = &slow,
                                                             .remoteMounts = {tree.path("slow")},
                                                             .unanswered = &unanswered});
        ASSERT_TRUE(slow.awaitWaiting());
    }  // stopped
    EXPECT_TRUE(unanswered.holds(tree.path("slow/q3config.cfg")));
    EXPECT_FALSE(unanswered.holds(config));
    const std::vector<SearchRoot> roots{
        configsIn(tree.dir(), walked),
        SearchRoot::lookup({slowConfig, config}, {{}, Check::Listed, &lookedUp})};
    FolderSearch(roots, {.source = &stuckToo, .unanswered = &unanswered}).finish();
    EXPECT_EQ(walked, Paths{config});
    EXPECT_EQ(lookedUp, Paths{config});
    slow.release();
    for (int i = 0; i < 1000 && unanswered.holds(tree.path("slow")); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(unanswered.holds(tree.path("slow")));
    // The thread left behind closes its folders through `slow` before it goes.
    EXPECT_TRUE(slow.awaitAllClosed());
}

TEST(StoppedSearch, AMountThatDoesNotAnswerIsWalkedLastAndLeftBehind) {
    TempTree home, elsewhere;
    std::map<std::string, std::string> configs = {
        {".q3a", ".q3a/baseq3/q3config.cfg"}, {"a", "a/q3config.cfg"}, {"z", "z/y/q3config.cfg"}};
    for (const auto& [folder, config] : configs) home.file(config);
    home.folder("nas");
    // Some config listed after the mount point: only walking it last finds that one.
    for (int i = 0; test::listingOrder(home.root()).back() == "nas" && i < 50; ++i)
        home.file(configs["f" + std::to_string(i)] = "f" + std::to_string(i) + "/q3config.cfg");
    configs["nas"] = "nas/q3config.cfg";
    const Paths seen = test::inChild([&] {
        std::string reason;
        const pid_t fuse = test::mountStuck(home.path("nas"), elsewhere.path("release"), reason);
        if (fuse < 0) return Paths{"skip: " + reason};
        Paths lines;
        const Paths remote = posix::PosixDrives(home.root(), "/proc/self/mounts").remoteMounts();
        UnansweredMounts unanswered;
        {  // One thread: the mount must come last for the rest to be found.
            FolderSearch walk({configsIn(home.dir(), lines)},
                              {.threads = 1, .remoteMounts = remote, .unanswered = &unanswered});
            FolderSearch::Progress progress;
            for (int i = 0; i < 1000 && progress.waitingFor.empty(); ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                progress = walk.progress(Clock::now());
            }
            walk.stop();
            walk.finish();
            lines.push_back("waiting for " + progress.waitingFor);
            if (!unanswered.holds(home.path("nas/sub"))) lines.push_back("not held");
        }
        std::ofstream(elsewhere.path("release")).put('\n');
        for (unsigned threads : {1u, 4u}) {
            const Paths all = search(home.dir(), threads, remote);
            lines.insert(lines.end(), all.begin(), all.end());
        }
        ::umount2(home.path("nas").c_str(), MNT_DETACH);
        ::waitpid(fuse, nullptr, 0);
        return lines;
    });
    SKIP_IF_CHILD_SKIPPED(seen);

    Paths local, all;
    for (const std::string& folder : test::listingOrder(home.root())) {
        if (folder != "nas") local.push_back(home.path(configs.at(folder)));
        all.push_back(home.path(configs.at(folder)));
    }
    Paths expected = local;
    expected.push_back("waiting for " + home.path("nas"));
    for (int run = 0; run < 2; ++run) expected.insert(expected.end(), all.begin(), all.end());
    EXPECT_EQ(seen, expected);
}

}  // namespace
}  // namespace brisko
