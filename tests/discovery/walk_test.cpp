// The walk where trees push it: great depth under a low descriptor limit, folders
// met twice through bind mounts, and two threads against one.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "discovery/folder_search.h"
#include "support/in_child.h"
#include "support/temp_tree.h"

namespace brisko {
namespace {

using test::inChild;
using test::TempTree;
using Paths = std::vector<std::string>;

// The lists of a walk of `dir` for each of the targets' names, kept by each check.
std::vector<Paths> walkFor(const std::string& dir, unsigned threads,
                           const std::vector<std::string>& names,
                           const std::vector<Check>& checks = {Check::Listed}) {
    std::vector<Paths> lists(checks.size());
    std::vector<Target> targets;
    for (std::size_t i = 0; i < checks.size(); ++i)
        targets.push_back({names, checks[i], &lists[i]});
    FolderSearch({SearchRoot::walk(dir, targets)}, {.threads = threads}).finish();
    return lists;
}

Paths walk(const std::string& dir, unsigned threads, const std::string& name = "q3config.cfg") {
    return walkFor(dir, threads, {name})[0];
}

// A chain of `levels` folders "d" below `root`, with a q3config.cfg at the depths
// given; made through descriptors, as its paths outgrow the path limit.
void deepChain(const std::string& root, int levels, const std::vector<int>& configsAt) {
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int depth = 1; depth <= levels && fd >= 0; ++depth) {
        ::mkdirat(fd, "d", 0755);
        const int sub = ::openat(fd, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = sub;
        if (std::find(configsAt.begin(), configsAt.end(), depth) != configsAt.end())
            ::close(::openat(fd, "q3config.cfg", O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    }
    ::close(fd);
}

std::string chainPath(int depth) {
    std::string path;
    for (int i = 0; i < depth; ++i) path += "/d";
    return path;
}

// The depth of each config found in the chain (0 beside it), -1 for any other path.
std::vector<int> chainDepths(const std::string& root, const Paths& found) {
    const std::string config = "/q3config.cfg";
    std::vector<int> depths;
    for (const std::string& path : found) {
        const int depth = static_cast<int>(path.size() - root.size() - config.size()) / 2;
        depths.push_back(path == root + chainPath(depth) + config ? depth : -1);
    }
    return depths;
}

// 20,000 levels under 256 descriptors: configs beside the chain, deep inside it, at
// the last depth whose path fits the limit, and (not listed) beyond it. The chain
// is made in memory where the system has a memory file system: on disk, removing
// it takes long.
TEST(Walk, AnyDepthWithFewDescriptors) {
    TempTree tree(std::filesystem::is_directory("/dev/shm")
                      ? "/dev/shm"
                      : std::filesystem::temp_directory_path());
    tree.file("q3config.cfg");
    const int lastFit = static_cast<int>((PATH_MAX - 1 - tree.root().size() - 13) / 2);
    deepChain(tree.root(), 20000, {1000, lastFit, lastFit + 1, 19999});

    for (unsigned threads : {1u, 2u}) {
        const Paths found = inChild([&] {
            const rlimit limit{256, 256};
            if (::setrlimit(RLIMIT_NOFILE, &limit) != 0) return Paths{"setrlimit failed"};
            return walk(tree.dir(), threads);
        });
        // Depth first: a folder's "d" before its config when listed first.
        const auto configFirst = [&](int depth) {
            return test::listingOrder(tree.root() + chainPath(depth))[0] == "q3config.cfg";
        };
        std::vector<int> expected =
            configFirst(1000) ? std::vector<int>{1000, lastFit} : std::vector<int>{lastFit, 1000};
        expected.insert(configFirst(0) ? expected.begin() : expected.end(), 0);
        EXPECT_EQ(chainDepths(tree.root(), found), expected) << threads << " threads";
    }
    EXPECT_EQ(std::system(("rm -rf '" + tree.path("d") + "'").c_str()), 0);
}

// Folders are opened without updating access times where the user owns them;
// folders of other owners are walked all the same.
TEST(Walk, FoldersOfOtherOwnersAreWalked) {
    if (::getuid() != 0) GTEST_SKIP() << "needs root to walk as another user";
    TempTree tree;
    ::chmod(tree.root().c_str(), 0755);
    Paths configs;
    for (int i = 0; i < 80; ++i) configs.push_back(tree.file(std::to_string(i) + "/q3config.cfg"));
    const Paths found = inChild([&] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) return Paths{"cannot become nobody"};
        return walk(tree.dir(), 1);
    });
    EXPECT_EQ(std::set<std::string>(found.begin(), found.end()),
              std::set<std::string>(configs.begin(), configs.end()));
}

// Makes `mountPoint` show `source` in a mount namespace of the calling process;
// false with the reason when the system does not let it.
bool bindMount(const std::string& source, const std::string& mountPoint, std::string& reason) {
    static bool own = false;
    if (!own) {
        const uid_t uid = ::getuid();
        const gid_t gid = ::getgid();
        if (::unshare(CLONE_NEWNS | (uid == 0 ? 0 : CLONE_NEWUSER)) != 0) {
            reason = "cannot make a mount namespace";
            return false;
        }
        if (uid != 0) {
            std::ofstream("/proc/self/setgroups") << "deny";
            std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
            std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
        }
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        own = true;
    }
    if (::mount(source.c_str(), mountPoint.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        reason = "cannot bind-mount here";
        return false;
    }
    return true;
}

// A tree whose folder "b" shows "a", "loop" the tree itself, "mnt/disk" another
// disk, and each "vN" its "fN", so that the two threads meet folders twice.
Paths walkBindMounts(const TempTree& tree, const TempTree& disk) {
    std::string reason;
    bool mounted = bindMount(tree.path("a"), tree.folder("b"), reason) &&
                   bindMount(tree.root(), tree.folder("loop"), reason) &&
                   bindMount(disk.root(), tree.folder("mnt/disk"), reason);
    for (int i = 0; i < 30 && mounted; ++i)
        mounted = bindMount(tree.path("f" + std::to_string(i)),
                            tree.folder("v" + std::to_string(i)), reason);
    if (!mounted) return {"skip: " + reason};
    Paths lines = walk(tree.dir(), 1);
    const std::vector<std::string> names{"q3config.cfg", "x.cfg"};
    for (int run = 0; run < 20; ++run)
        if (walkFor(tree.dir(), 2, names) != walkFor(tree.dir(), 1, names))
            lines.push_back("differs");
    // The disk is a root of its own after the tree, as a drive D: is, and also inside it.
    Paths onDrives;
    const Target configs{{"q3config.cfg"}, Check::Listed, &onDrives};
    FolderSearch({SearchRoot::walk(tree.dir(), {configs}), SearchRoot::walk(disk.dir(), {configs})},
                 {})
        .finish();
    lines.insert(lines.end(), onDrives.begin(), onDrives.end());
    return lines;
}

TEST(Walk, AFolderMetTwiceIsWalkedWhereMetFirst) {
    TempTree tree, disk;
    tree.file("a/q3config.cfg");
    for (int i = 0; i < 300; ++i)
        tree.file("f" + std::to_string(i % 30) + "/" + std::to_string(i) + "/x.cfg");
    disk.file("q3config.cfg");
    const Paths lines = inChild([&] { return walkBindMounts(tree, disk); });
    SKIP_IF_CHILD_SKIPPED(lines);

    const Paths order = test::listingOrder(tree.root());
    const auto at = [&order](const std::string& name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    const std::string first = at("a") < at("b") ? "a" : "b";
    const std::string inTree = tree.path(first + "/q3config.cfg");
    const std::string viaMount = tree.path("mnt/disk/q3config.cfg");
    // One walk, then the start-up search, which lists drive D: only inside drive C:.
    const Paths walked = at(first) < at("mnt") ? Paths{inTree, viaMount} : Paths{viaMount, inTree};
    Paths expected = walked;
    expected.insert(expected.end(), walked.begin(), walked.end());
    EXPECT_EQ(lines, expected);
}

// Two threads and more (sixteen by default) give exactly the lists of one, on
// generated trees and on folders of this machine (for the names at their top and
// names found all over a system).
TEST(Walk, MoreThreadsGiveTheListsOfOne) {
    TempTree tree;
    std::uint32_t seed = 7;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 8; };
    std::vector<std::string> folders{""};
    for (int i = 0; i < 3000; ++i) {
        const std::string folder = folders[next() % folders.size()] + "f" + std::to_string(i) + "/";
        folders.push_back(folder);
        tree.file(folder + (next() % 3 == 0 ? "Q3CONFIG.CFG" : "q3config.cfg"));
        if (i % 5 == 0) tree.file(folder + "quake3.exe");
    }
    for (const std::string& dir : {tree.dir(), std::string("/usr/"), std::string("/etc/")}) {
        std::vector<std::string> names{"q3config.cfg", "quake3.exe",  "copyright", "README",
                                       "Makefile",     "__init__.py", "doc",       "bin",
                                       "lib",          "include",     "man1",      "LC_MESSAGES"};
        for (const std::string& name : test::listingOrder(dir)) names.push_back(name);
        const std::vector<Check> checks{Check::Listed, Check::Folder};
        const std::vector<Paths> one = walkFor(dir, 1, names, checks);
        ASSERT_GT(one[0].size() + one[1].size(), 50u) << dir;
        for (unsigned threads : {2u, 3u, 16u})
            EXPECT_TRUE(walkFor(dir, threads, names, checks) == one) << dir << " with " << threads;
    }
}

}  // namespace
}  // namespace brisko
