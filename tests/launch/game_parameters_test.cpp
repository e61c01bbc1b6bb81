#include <gtest/gtest.h>

#include "launch/launch_game.h"

namespace brisko {
namespace {

struct ParameterCase {
    const char* map;
    bool cheats;
    const char* extra;
    const char* expected;
};

class GameParametersTest : public ::testing::TestWithParam<ParameterCase> {};

TEST_P(GameParametersTest, BuildsTheParameterString) {
    const ParameterCase& c = GetParam();
    EXPECT_EQ(GameParameters(c.map, c.cheats, c.extra), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, GameParametersTest,
    ::testing::Values(
        ParameterCase{"q3tourney", true, "", " +devmap q3tourney"},
        ParameterCase{"q3test1", false, "", " +map q3test1"},
        ParameterCase{"q3test2", false, "+set r_mode 3", " +map q3test2 +set r_mode 3"},
        ParameterCase{"q3test1", true, "xy", " +devmap q3test1 xy"},
        ParameterCase{"q3test1", false, "x", " +map q3test1"},      // one character dropped
        ParameterCase{"q3test1", false, "  ", " +map q3test1   "},  // blanks passed whole
        ParameterCase{"", false, "", " +map "},                     // no map selected
        ParameterCase{"", true, "", " +devmap "},
        // One character of two bytes (é) is dropped too.
        ParameterCase{"q3test1", false, "\xC3\xA9", " +map q3test1"}));

// The words of the parameters: a native engine gets the player's quotes, a Windows
// program (through Wine, which quotes a word with a blank) the quoted text as one word.
TEST(GameWords, KeepTheQuotesForEnginesAndGroupByThemForWindowsPrograms) {
    using Words = std::vector<std::string>;
    const struct {
        const char* parameters;
        Words engine, windows;
    } cases[] = {
        {" +map q3dm7  +set name \"a;b\"",
         {"+map", "q3dm7", "+set", "name", "\"a;b\""},
         {"+map", "q3dm7", "+set", "name", "a;b"}},
        {"+set name \"Big Boss\"",
         {"+set", "name", "\"Big", "Boss\""},
         {"+set", "name", "Big Boss"}},
        {"a\tb \"\" x\"y z\"w", {"a", "b", "\"\"", "x\"y", "z\"w"}, {"a", "b", "", "xy zw"}},
        {"  ", {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GameWords(c.parameters, false), c.engine) << c.parameters;
        EXPECT_EQ(GameWords(c.parameters, true), c.windows) << c.parameters;
    }
}

}  // namespace
}  // namespace brisko
