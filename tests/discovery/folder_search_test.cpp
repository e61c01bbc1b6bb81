// The search's walks, listings and look-ups on real trees in a temporary folder.
#include "discovery/folder_search.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "platform/posix/folder_source.h"
#include "support/temp_tree.h"

namespace brisko {
namespace {

using test::listingOrder;
using test::TempTree;
using Paths = std::vector<std::string>;

constexpr const char* kConfig = "q3config.cfg";

Paths search(const std::string& dir, const std::string& name = kConfig, bool walk = true) {
    Paths found;
    FolderSearch({walk ? SearchRoot::walk(dir, {{{name}, Check::Listed, &found}})
                       : SearchRoot::listing(dir, {{{name}, Check::Listed, &found}})})
        .finish();
    return found;
}

TEST(Walk, FindsCapitalsAndListsThemAsSpelt) {
    TempTree tree;
    const std::string upper = tree.file("baseq3/Q3CONFIG.CFG");
    const std::string mixed = tree.file("missionpack/deep/er/Q3Config.Cfg");
    Paths found = search(tree.dir());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (Paths{upper, mixed}));
}

TEST(Walk, LongerOrPrefixedNamesAreNotFound) {
    TempTree tree;
    for (const char* decoy : {"q3config.cfg.bak", "my_q3config.cfg", "q3config.cfgx",
                              "q3config_cfg", "q3config", "3config.cfg", "q3config.cf"})
        tree.file(std::string("baseq3/") + decoy);
    const std::string real = tree.file("baseq3/q3config.cfg");
    EXPECT_EQ(search(tree.dir()), Paths{real});
}

TEST(Walk, AddsTheMissingSlashAndAppendsToTheList) {
    TempTree tree;
    tree.file("q3config.cfg");
    Paths found{"kept"};
    FolderSearch({SearchRoot::walk(tree.root(), {{{kConfig}, Check::Listed, &found}})}).finish();
    EXPECT_EQ(found, (Paths{"kept", tree.root() + "/q3config.cfg"}));
}

// Only the letters A-Z are of either case; other bytes are compared as they are.
TEST(Walk, OnlyTheLettersAToZAreOfEitherCase) {
    TempTree tree;
    const std::string upper = tree.file("CAF\xc3\xa9.CFG");
    tree.file("caf\xc3\x89.cfg");
    EXPECT_EQ(search(tree.dir(), "caf\xc3\xa9.cfg"), Paths{upper});
}

TEST(Walk, NothingForAnEmptyMissingOrUnlistableFolder) {
    TempTree tree;
    const std::string plainFile = tree.file("q3config.cfg");
    EXPECT_TRUE(search("").empty());
    EXPECT_TRUE(search(tree.path("missing")).empty());
    EXPECT_TRUE(search(plainFile).empty());  // a file cannot be listed
}

TEST(Walk, SymbolicLinksAreListedWhenTheyMatchButNeverEntered) {
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

TEST(Walk, ReadOnlyFoldersAreListedWhenTheyMatchButNeverEntered) {
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

TEST(Walk, PlainMatchingFoldersAreEnteredButNotListed) {
    TempTree tree;
    const std::string inside = tree.file("q3config.cfg/q3config.cfg");
    EXPECT_EQ(search(tree.dir()), Paths{inside});
}

TEST(Walk, DotFoldersAreEnteredAndDotNamesCount) {
    TempTree tree;
    const std::string config = tree.file(".q3a/baseq3/q3config.cfg");
    const std::string wine =
        tree.file(".wine/drive_c/Program Files/Quake III Arena/baseq3/q3config.cfg");
    Paths found = search(tree.dir());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (Paths{config, wine}));
    EXPECT_EQ(search(tree.dir(), ".q3a").size(), 0u);  // a plain folder is not listed
}

TEST(Walk, FifosAreLeftOut) {
    TempTree tree;
    ASSERT_EQ(::mkfifo(tree.path("q3config.cfg").c_str(), 0644), 0);
    EXPECT_TRUE(search(tree.dir()).empty());
}

// Matches inside a folder come where that folder stands in its parent's listing,
// before the matches of the entries listed after it.
TEST(Walk, WalksDepthFirstInListingOrder) {
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

TEST(Walk, WithoutRecursionOnlyTheFolderItselfIsSearched) {
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

// The lists of one walk (or listing) of `dir` for each of the names and checks.
std::vector<Paths> searchFor(const std::string& dir,
                             const std::vector<std::pair<std::string, Check>>& sought,
                             SearchOptions options = {}, bool walk = true) {
    std::vector<Paths> lists(sought.size());
    std::vector<Target> targets;
    for (std::size_t i = 0; i < sought.size(); ++i)
        targets.push_back({{sought[i].first}, sought[i].second, &lists[i]});
    FolderSearch({walk ? SearchRoot::walk(dir, targets) : SearchRoot::listing(dir, targets)},
                 std::move(options))
        .finish();
    return lists;
}

// The system's calls, except that listings give no entry types, as some file
// systems do.
struct UntypedListings : posix::PosixFolderSource {
    ssize_t list(int fd, void* buffer, std::size_t size) override {
        const ssize_t read = PosixFolderSource::list(fd, buffer, size);
        for (ssize_t at = 0; at < read;) {
            auto* entry = reinterpret_cast<dirent64*>(static_cast<char*>(buffer) + at);
            entry->d_type = DT_UNKNOWN;
            at += entry->d_reclen;
        }
        return read;
    }
};

TEST(FolderSearch, OneWalkForSeveralNamesGivesEachListAsItsOwnWalk) {
    TempTree outside;
    outside.file("q3config.cfg");
    outside.file("quake3.exe");
    TempTree tree;
    mixedTree(tree, outside);

    const std::vector<Paths> lists =
        searchFor(tree.dir(), {{kConfig, Check::Listed}, {"quake3.exe", Check::Listed}});
    Paths configs = lists[0], games = lists[1];
    EXPECT_EQ(configs, search(tree.dir()));
    EXPECT_EQ(games, search(tree.dir(), "quake3.exe"));
    EXPECT_EQ(configs.size(), 13u);
    std::sort(games.begin(), games.end());
    EXPECT_EQ(games,
              (Paths{tree.path("Games/Quake III Arena/quake3.exe"), tree.path("ro/quake3.exe")}));
}

// Where the file system does not give entry types in the listing, each entry is
// looked at on its own; the result must be the same.
TEST(FolderSearch, EntryTypesFromStatGiveTheSameResult) {
    TempTree outside;
    outside.file("q3config.cfg");
    TempTree tree;
    mixedTree(tree, outside);
    UntypedListings untyped;
    for (const char* name : {kConfig, "quake3.exe"}) {
        const Paths listed = search(tree.dir(), name);
        EXPECT_EQ(searchFor(tree.dir(), {{name, Check::Listed}}, {.source = &untyped})[0], listed)
            << name;
        EXPECT_FALSE(listed.empty()) << name;
    }
}

// Executables and folders, links followed, in a walk, a listing and paths looked up.
TEST(FolderSearch, KeepsExecutablesAndFoldersTheirLinksFollowed) {
    TempTree tree;
    const std::string engine = tree.file("game/ioquake3"), plain = tree.file("other/ioquake3");
    ::chmod(engine.c_str(), 0755);
    const std::string linked = tree.link(engine, "linked/ioquake3");
    const std::string base = tree.folder("game/BaseQ3"), toBase = tree.link(base, "linked/baseq3");
    tree.folder("game/ioquake3.d/ioquake3");
    tree.file("other/baseq3");
    tree.folder("game/sub/baseq3");
    const auto sorted = [](Paths paths) {
        std::sort(paths.begin(), paths.end());
        return paths;
    };
    const std::vector<Paths> walked =
        searchFor(tree.dir(), {{"ioquake3", Check::Executable}, {"baseq3", Check::Folder}});
    EXPECT_EQ(sorted(walked[0]), sorted({engine, linked}));
    EXPECT_EQ(sorted(walked[1]), sorted({base, tree.path("game/sub/baseq3"), toBase}));
    EXPECT_EQ(searchFor(tree.path("game"), {{"baseq3", Check::Folder}}, {}, false)[0], Paths{base});
    const Paths paths{plain, engine, tree.path("missing"), base, linked};
    std::vector<Paths> found(3);
    FolderSearch({SearchRoot::lookup(paths, {{}, Check::Executable, &found[0]}),
                  SearchRoot::lookup(paths, {{}, Check::Folder, &found[1]}),
                  SearchRoot::lookup(paths, {{}, Check::Listed, &found[2]})})
        .finish();
    EXPECT_EQ(found, (std::vector<Paths>{{engine, linked}, {base}, {plain, engine, base, linked}}));
}

}  // namespace
}  // namespace brisko
