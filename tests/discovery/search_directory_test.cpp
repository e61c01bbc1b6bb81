// The directory search on real trees in a temporary folder.
#include "discovery/search_directory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "support/temp_tree.h"

namespace brisko {
namespace {

using test::listingOrder;
using test::TempTree;
using Paths = std::vector<std::string>;

constexpr const char* kConfig = "q3config.cfg";

Paths search(const std::string& dir, const std::string& mask = kConfig, bool recursive = true) {
    Paths found;
    SearchDirectory(dir, mask, recursive, found);
    return found;
}

TEST(SearchDirectory, FindsCapitalsAndListsThemAsSpelt) {
    TempTree tree;
    const std::string upper = tree.file("baseq3/Q3CONFIG.CFG");
    const std::string mixed = tree.file("missionpack/deep/er/Q3Config.Cfg");
    Paths found = search(tree.dir());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (Paths{upper, mixed}));
}

TEST(SearchDirectory, LongerOrPrefixedNamesAreNotFound) {
    TempTree tree;
    for (const char* decoy : {"q3config.cfg.bak", "my_q3config.cfg", "q3config.cfgx",
                              "q3config_cfg", "q3config", "3config.cfg", "q3config.cf"})
        tree.file(std::string("baseq3/") + decoy);
    const std::string real = tree.file("baseq3/q3config.cfg");
    EXPECT_EQ(search(tree.dir()), Paths{real});
}

TEST(SearchDirectory, AddsTheMissingSlashAndAppendsToTheList) {
    TempTree tree;
    tree.file("q3config.cfg");
    Paths found{"kept"};
    SearchDirectory(tree.root(), kConfig, true, found);
    EXPECT_EQ(found, (Paths{"kept", tree.root() + "/q3config.cfg"}));
}

TEST(SearchDirectory, NothingForAnEmptyMissingOrUnlistableFolder) {
    TempTree tree;
    const std::string plainFile = tree.file("q3config.cfg");
    EXPECT_TRUE(search("").empty());
    EXPECT_TRUE(search(tree.path("missing")).empty());
    EXPECT_TRUE(search(plainFile).empty());  // a file cannot be listed
}

TEST(SearchDirectory, SymbolicLinksAreListedWhenTheyMatchButNeverEntered) {
    TempTree outside;
    outside.file("q3config.cfg");
    TempTree tree;
    tree.link(outside.root(), "linked-folder");  // holds a match: not entered
    const std::string toFolder = tree.link(outside.root(), "a/q3config.cfg");
    const std::string dangling = tree.link("/nonexistent/target", "b/Q3CONFIG.cfg");
    tree.link("..", "c/loop");  // a loop is harmless
    Paths found = search(tree.dir());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (Paths{toFolder, dangling}));
}

TEST(SearchDirectory, ReadOnlyFoldersAreListedWhenTheyMatchButNeverEntered) {
    TempTree tree;
    tree.file("locked/q3config.cfg");
    ::chmod(tree.path("locked").c_str(), 0555);
    const std::string lockedMatch = tree.folder("other/q3config.cfg");
    tree.file("other/q3config.cfg/q3config.cfg");
    ::chmod(lockedMatch.c_str(), 0555);
    // Write permission for anyone at all keeps a folder enterable.
    const std::string groupWritable = tree.file("shared/q3config.cfg");
    ::chmod(tree.path("shared").c_str(), 0575);
    Paths found = search(tree.dir());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (Paths{lockedMatch, groupWritable}));
}

TEST(SearchDirectory, PlainMatchingFoldersAreEnteredButNotListed) {
    TempTree tree;
    const std::string inside = tree.file("q3config.cfg/q3config.cfg");
    EXPECT_EQ(search(tree.dir()), Paths{inside});
}

TEST(SearchDirectory, DotFoldersAreEnteredAndDotNamesCount) {
    TempTree tree;
    const std::string config = tree.file(".q3a/baseq3/q3config.cfg");
    const std::string wine =
        tree.file(".wine/drive_c/Program Files/Quake III Arena/baseq3/q3config.cfg");
    Paths found = search(tree.dir());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (Paths{config, wine}));
    EXPECT_EQ(search(tree.dir(), ".q3a").size(), 0u);  // a plain folder is not listed
}

TEST(SearchDirectory, FifosAreLeftOut) {
    TempTree tree;
    ASSERT_EQ(::mkfifo(tree.path("q3config.cfg").c_str(), 0644), 0);
    EXPECT_TRUE(search(tree.dir()).empty());
}

// Matches inside a folder come where that folder stands in its parent's listing,
// before the matches of the entries listed after it.
TEST(SearchDirectory, WalksDepthFirstInListingOrder) {
    TempTree tree;
    for (int i = 0; i < 16; ++i) {
        const std::string sub = "sub" + std::to_string(i);
        tree.file(sub + "/q3config.cfg");
        if (i % 4 == 0) tree.file(sub + "/deeper/Q3CONFIG.CFG");
    }
    tree.file("q3config.cfg");

    Paths expected;
    for (const std::string& name : listingOrder(tree.root())) {
        if (name == kConfig) {
            expected.push_back(tree.path(name));
            continue;
        }
        for (const std::string& inner : listingOrder(tree.path(name))) {
            if (inner == kConfig) expected.push_back(tree.path(name + "/" + inner));
            if (inner == "deeper") expected.push_back(tree.path(name + "/deeper/Q3CONFIG.CFG"));
        }
    }
    ASSERT_EQ(expected.size(), 21u);
    EXPECT_EQ(search(tree.dir()), expected);
}

TEST(SearchDirectory, WithoutRecursionOnlyTheFolderItselfIsSearched) {
    TempTree tree;
    const std::string top = tree.file("Q3CONFIG.CFG");
    tree.file("sub/q3config.cfg");
    tree.folder("q3config.cfg");  // a plain folder is neither entered nor listed
    EXPECT_EQ(search(tree.dir(), kConfig, false), Paths{top});
}

// A tree with every kind of entry the walk tells apart.
void mixedTree(const TempTree& tree, const TempTree& outside) {
    tree.file(".q3a/baseq3/q3config.cfg");
    tree.file("Games/Quake III Arena/quake3.exe");
    tree.file("Games/Quake III Arena/baseq3/Q3CONFIG.CFG");
    tree.link(outside.root(), "Games/q3-link");
    tree.link("nowhere", "Desktop/q3config.cfg");
    tree.file("locked/q3config.cfg");
    tree.folder("ro/quake3.exe");
    ::chmod(tree.path("ro/quake3.exe").c_str(), 0555);
    ::chmod(tree.path("locked").c_str(), 0555);
    ::mkfifo(tree.path("Desktop/quake3.exe").c_str(), 0644);
    for (int i = 0; i < 10; ++i) tree.file("many/d" + std::to_string(i) + "/q3config.cfg");
}

TEST(SearchDirectoryFor, OneWalkForSeveralMasksGivesEachListAsItsOwnWalk) {
    TempTree outside;
    outside.file("q3config.cfg");
    outside.file("quake3.exe");
    TempTree tree;
    mixedTree(tree, outside);

    Paths configs{"before"}, games;
    const SearchTarget targets[] = {{kConfig, &configs}, {"quake3.exe", &games}};
    SearchDirectoryFor(tree.dir(), targets, true);

    Paths expectedConfigs{"before"};
    SearchDirectory(tree.dir(), kConfig, true, expectedConfigs);
    EXPECT_EQ(configs, expectedConfigs);
    EXPECT_EQ(games, search(tree.dir(), "quake3.exe"));
    EXPECT_EQ(configs.size(), 1u + 13u);
    std::sort(games.begin(), games.end());
    EXPECT_EQ(games,
              (Paths{tree.path("Games/Quake III Arena/quake3.exe"), tree.path("ro/quake3.exe")}));
}

// Where the file system does not give entry types in the listing, each entry is
// looked at on its own; the result must be the same.
TEST(SearchDirectoryFor, EntryTypesFromStatGiveTheSameResult) {
    TempTree outside;
    outside.file("q3config.cfg");
    TempTree tree;
    mixedTree(tree, outside);
    for (const char* mask : {kConfig, "quake3.exe"}) {
        Paths listed, stated;
        const SearchTarget listedTarget[] = {{mask, &listed}};
        const SearchTarget statedTarget[] = {{mask, &stated}};
        SearchDirectoryFor(tree.dir(), listedTarget, true);
        SearchDirectoryFor(tree.dir(), statedTarget, true, WalkOptions{.useListedTypes = false});
        EXPECT_EQ(stated, listed) << mask;
        EXPECT_FALSE(listed.empty()) << mask;
    }
}

}  // namespace
}  // namespace brisko
