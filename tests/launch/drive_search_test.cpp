// The drive-wide searches over a drive table made of temporary folders.
#include <gtest/gtest.h>
#include <unistd.h>

#include "launch/game_search.h"
#include "support/scripted_platform.h"
#include "support/temp_tree.h"

namespace brisko {
namespace {

using test::TableDrives;
using test::TempTree;
using Paths = std::vector<std::string>;

// A drive table whose mask is set apart from its roots, recording every root asked for.
class MaskedDrives : public TableDrives {
  public:
    std::uint32_t mask = 0;
    mutable std::string asked;
    std::uint32_t logicalDriveMask() const override { return mask; }
    std::string root(char letter) const override {
        asked += letter;
        return TableDrives::root(letter);
    }
};

std::uint32_t bits(const std::string& letters) {
    std::uint32_t mask = 0;
    for (char letter : letters) mask |= 1u << (letter - 'A');
    return mask;
}

// One temporary folder per drive letter, each with a config file.
struct DriveFolders {
    std::map<char, std::unique_ptr<TempTree>> folders;
    MaskedDrives drives;

    explicit DriveFolders(const std::string& letters) {
        for (char letter : letters) {
            auto& tree = folders[letter] = std::make_unique<TempTree>();
            drives.roots[letter] = tree->dir();
            tree->file("q3config.cfg");
        }
        drives.mask = bits(letters);
    }
    std::string config(char letter) const { return folders.at(letter)->path("q3config.cfg"); }
};

// Drive C: always, then the drives from D: to Z: whose bit is set; never A: or B:,
// nothing for the bits beyond Z:.
struct DriveOrderCase {
    std::uint32_t mask;
    std::string searched;
};

void PrintTo(const DriveOrderCase& c, std::ostream* out) {
    *out << "mask 0x" << std::hex << c.mask;
}

class DriveOrderTest : public ::testing::TestWithParam<DriveOrderCase> {};

TEST_P(DriveOrderTest, SearchesCThenThePresentDrivesFromDToZ) {
    DriveFolders d("ABCDEFGZ");
    d.drives.mask = GetParam().mask;
    Paths expected;
    for (auto& [letter, tree] : d.folders) tree->file("quake3.exe", "MZ");
    for (char letter : GetParam().searched)
        expected.push_back(d.folders[letter]->path("quake3.exe"));
    EXPECT_EQ(FindGamesOnDrives(d.drives).windowsGames, expected);
    EXPECT_EQ(d.drives.asked, GetParam().searched);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, DriveOrderTest,
    ::testing::Values(DriveOrderCase{bits("ABCDFZ"), "CDFZ"}, DriveOrderCase{bits("D"), "CD"},
                      DriveOrderCase{bits(""), "C"}, DriveOrderCase{bits("E"), "CE"},
                      DriveOrderCase{bits("ABE"), "CE"}, DriveOrderCase{bits("F"), "CF"},
                      DriveOrderCase{bits("ABCDFGZ"), "CDFGZ"},
                      DriveOrderCase{bits("ABCDEFGZ"), "CDEFGZ"},
                      DriveOrderCase{bits("CDEFGZ"), "CDEFGZ"},
                      DriveOrderCase{0xFC000000u | bits("C"), "C"}));

// One search over all drives: a folder that is the root of two drives is walked
// once, under the first letter.
TEST(FindStartupFiles, ListsEveryConfigOfEveryDriveWithoutSortingAndEachFolderOnce) {
    DriveFolders d("CD");
    d.drives.roots['E'] = d.drives.roots['D'];  // two letters for one folder
    d.drives.mask = bits("CDE");
    const std::string second = d.folders['C']->file("b/Q3CONFIG.CFG");
    const Paths list = FindStartupFiles(d.drives).configFiles;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(std::count(list.begin(), list.begin() + 2, second), 1);
    EXPECT_EQ(list[2], d.config('D'));
}

TEST(FindStartupFiles, GivesTheConfigsOfEveryDriveAndTheGamesOfDriveC) {
    DriveFolders d("CDE");
    d.folders['C']->file(".q3a/baseq3/Q3CONFIG.CFG");
    d.folders['C']->file("Games/quake3.exe", "MZ");
    d.folders['C']->file("wine/drive_c/quake3.exe", "MZ");
    d.folders['D']->file("quake3.exe", "MZ");
    d.folders['E']->file("x/y/q3config.cfg");

    const StartupFiles found = FindStartupFiles(d.drives);
    // Each drive on its own, in turn.
    Paths expectedConfigs, expectedGames;
    for (char letter : {'C', 'D', 'E'})
        FolderSearch({SearchRoot::walk(d.drives.root(letter),
                                       {{{"q3config.cfg"}, Check::Listed, &expectedConfigs}})})
            .finish();
    FolderSearch(
        {SearchRoot::walk(d.drives.root('C'), {{{"quake3.exe"}, Check::Listed, &expectedGames}})})
        .finish();
    EXPECT_EQ(found.configFiles, expectedConfigs);
    EXPECT_EQ(found.gamesOnDriveC.windowsGames, expectedGames);
    EXPECT_EQ(found.configFiles.size(), 5u);
    EXPECT_EQ(found.gamesOnDriveC.windowsGames.size(), 2u);
}

// Which programs found on the drives count as games: only those that neither they
// nor their folder may be changed by another user (they belong to the player, here
// root, or to root, and only the owner may write them), and a Windows program only
// when it is one (it begins with "MZ").
TEST(FindGamesOnDrives, CountsOnlyProgramsNoOtherUserMayChange) {
    if (::geteuid() != 0) GTEST_SKIP() << "giving files to another user needs root";
    constexpr uid_t kRoot = 0, kOther = 65534;
    const struct {
        const char* name;
        uid_t fileOwner, folderOwner;
        mode_t fileMode, folderMode;
        const char* content;
        bool windows, engine;  // whether each counts
    } cases[] = {
        {"root's", kRoot, kRoot, 0755, 0755, "MZ", true, true},
        {"a script", kRoot, kRoot, 0755, 0755, "#!/bin/sh\n", false, true},
        {"another user's", kOther, kRoot, 0755, 0755, "MZ", false, false},
        {"in another user's folder", kRoot, kOther, 0755, 0755, "MZ", false, false},
        {"others may write it", kRoot, kRoot, 0757, 0755, "MZ", false, false},
        {"the group may write it", kRoot, kRoot, 0775, 0755, "MZ", false, false},
        {"the group may write the folder", kRoot, kRoot, 0755, 0775, "MZ", false, false},
        {"a sticky folder everyone may write", kRoot, kRoot, 0755, 01777, "MZ", false, false},
    };
    for (const auto& c : cases) {
        DriveFolders d("CD");
        const TempTree& drive = *d.folders['D'];
        drive.folder("g/baseq3");
        for (const std::string& path : {drive.file("g/quake3.exe", c.content),
                                        drive.file("g/ioquake3", c.content), drive.path("g")}) {
            const bool folder = path == drive.path("g");
            ASSERT_EQ(::chown(path.c_str(), folder ? c.folderOwner : c.fileOwner, -1u), 0);
            ASSERT_EQ(::chmod(path.c_str(), folder ? c.folderMode : c.fileMode), 0);
        }
        const GamesFound games = FindGamesOnDrives(d.drives);
        EXPECT_EQ(games.windowsGames, c.windows ? Paths{drive.path("g/quake3.exe")} : Paths{})
            << c.name;
        EXPECT_EQ(games.nativeEngines, c.engine ? Paths{drive.path("g/ioquake3")} : Paths{})
            << c.name;
    }
}

}  // namespace
}  // namespace brisko
