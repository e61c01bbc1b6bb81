// The drive-wide searches over a drive table made of temporary folders.
#include "discovery/find_files.h"

#include <gtest/gtest.h>

#include "discovery/search_directory.h"
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

struct PresentCase {
    std::string present;
    char letter;
    bool expected;
};

void PrintTo(const PresentCase& c, std::ostream* out) {
    *out << c.letter << " of '" << c.present << "'";
}

class DrivePresentTest : public ::testing::TestWithParam<PresentCase> {};

TEST_P(DrivePresentTest, ReadsTheLettersBit) {
    MaskedDrives drives;
    drives.mask = bits(GetParam().present);
    EXPECT_EQ(DrivePresent(drives, GetParam().letter), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrivePresentTest,
                         ::testing::Values(PresentCase{"CE", 'E', true},
                                           PresentCase{"CE", 'e', true},
                                           PresentCase{"CE", 'D', false},
                                           PresentCase{"A", 'A', true}, PresentCase{"Z", 'z', true},
                                           PresentCase{"ABCDEFGHIJKLMNOPQRSTUVWXY", 'Z', false},
                                           PresentCase{"", 'C', false}));

TEST(DrivePresent, RaisesForACharacterThatIsNotALetter) {
    MaskedDrives drives;
    drives.mask = 0xFFFFFFFFu;
    for (char c : {'1', '@', '[', '`', '{', ':', '\0', '\xC4'}) {
        try {
            DrivePresent(drives, c);
            ADD_FAILURE() << "no error for character code " << int(c);
        } catch (const AppError& error) {
            EXPECT_STREQ(error.what(), "Invalid drive letter");
        }
    }
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

// A fresh list: drive C: always, then the drives from D: to Z: whose bit is set;
// never A: or B:, nothing for the bits beyond Z:.
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
    Paths list{"stale"}, expected;
    FindFileOnDrives(d.drives, "Q3CONFIG.CFG", list);
    for (char letter : GetParam().searched) expected.push_back(d.config(letter));
    EXPECT_EQ(list, expected);
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
TEST(FindFileOnDrives, ListsEveryMatchOfEveryDriveWithoutSortingAndEachFolderOnce) {
    DriveFolders d("CD");
    d.drives.roots['E'] = d.drives.roots['D'];  // two letters for one folder
    d.drives.mask = bits("CDE");
    const std::string second = d.folders['C']->file("b/Q3CONFIG.CFG");
    Paths list;
    FindFileOnDrives(d.drives, "q3config.cfg", list);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(std::count(list.begin(), list.begin() + 2, second), 1);
    EXPECT_EQ(list[2], d.config('D'));
}

TEST(FindConfigFiles, EmptiesTheListThenFindsConfigFiles) {
    DriveFolders d("CE");
    d.folders['E']->file("quake3.exe");
    Paths list{"stale"};
    FindConfigFiles(d.drives, list);
    EXPECT_EQ(list, (Paths{d.config('C'), d.config('E')}));
}

TEST(FindStartupFiles, GivesWhatTheTwoSearchesGive) {
    DriveFolders d("CDE");
    d.folders['C']->file(".q3a/baseq3/Q3CONFIG.CFG");
    d.folders['C']->file("Games/quake3.exe");
    d.folders['C']->file("wine/drive_c/quake3.exe");
    d.folders['D']->file("quake3.exe");
    d.folders['E']->file("x/y/q3config.cfg");

    const StartupFiles found = FindStartupFiles(d.drives);
    const Paths& configs = found.configFiles;
    const GamesFound& games = found.gamesOnDriveC;
    Paths expectedConfigs, expectedGames;
    FindConfigFiles(d.drives, expectedConfigs);
    SearchDirectory(d.drives.root('C'), "quake3.exe", true, expectedGames);
    EXPECT_EQ(configs, expectedConfigs);
    EXPECT_EQ(games.windowsGames, expectedGames);
    EXPECT_EQ(configs.size(), 5u);
    EXPECT_EQ(games.windowsGames.size(), 2u);
}

}  // namespace
}  // namespace brisko
