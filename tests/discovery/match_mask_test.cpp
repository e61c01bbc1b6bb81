// Name matching: the position-by-position rules and the case-blind name test.
#include "discovery/match_mask.h"

#include <gtest/gtest.h>

namespace brisko {
namespace {

struct MaskCase {
    const char* pattern;
    const char* text;
    bool matches;
};

void PrintTo(const MaskCase& c, std::ostream* out) {
    *out << "'" << c.pattern << "' on '" << c.text << "'";
}

class MatchMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(MatchMaskTest, ComparesPositionByPosition) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(MatchMask(c.pattern, c.text), c.matches)
        << '"' << c.pattern << "\" against \"" << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MatchMaskTest,
    ::testing::Values(MaskCase{"*", "", false},  // "*" needs at least one character
                      MaskCase{"*", "x", true}, MaskCase{"", "", true}, MaskCase{"", "a", false},
                      MaskCase{"a?c", "abc", true},  // "?" is exactly one character
                      MaskCase{"a?c", "azc", true}, MaskCase{"a?c", "abd", false},
                      MaskCase{"a?c", "xbc", false}, MaskCase{"a?c", "ac", false},
                      MaskCase{"a?c", "abbc", false}, MaskCase{"abc", "abc", true},
                      MaskCase{"abc", "abcd", false},  // one character longer
                      MaskCase{"abcd", "abc", false},
                      MaskCase{"abc", "ABC", false},  // case matters here; the caller lowers
                      MaskCase{"ab*", "ab", false},   // "*" does not stand for nothing
                      MaskCase{"ab*", "abx", true}, MaskCase{"ab*", "abxyz", true},
                      MaskCase{"ab*zz", "abxyz", true},  // what follows "*" is ignored
                      MaskCase{"?", "", false}, MaskCase{"x*", "y", false}));

TEST(ExtensionOf, RunsFromTheLastDotToTheEnd) {
    EXPECT_EQ(ExtensionOf("q3config.cfg"), ".cfg");
    EXPECT_EQ(ExtensionOf("q3config.cfg.bak"), ".bak");
    EXPECT_EQ(ExtensionOf("q3config"), "");
    EXPECT_EQ(ExtensionOf(".q3a"), ".q3a");
    EXPECT_EQ(ExtensionOf("name."), ".");
}

struct NameCase {
    const char* mask;
    const char* name;
    bool matches;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << "'" << c.mask << "' on '" << c.name << "'";
}

class NameMaskTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(NameMaskTest, MatchesNameAndExtensionWithoutRegardToCase) {
    const NameCase& c = GetParam();
    EXPECT_EQ(NameMask(c.mask).matches(c.name), c.matches) << c.mask << " / " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NameMaskTest,
    ::testing::Values(
        NameCase{"q3config.cfg", "q3config.cfg", true},
        NameCase{"q3config.cfg", "Q3CONFIG.CFG", true},
        NameCase{"q3config.cfg", "Q3Config.Cfg", true},
        NameCase{"Q3CONFIG.CFG", "q3config.cfg", true},
        NameCase{"q3config.cfg", "q3config.cfg.bak", false},
        NameCase{"q3config.cfg", "my_q3config.cfg", false},
        NameCase{"q3config.cfg", "q3config.cfgx", false},
        NameCase{"q3config.cfg", "q3config_cfg", false},
        NameCase{"q3config.cfg", "q3config", false}, NameCase{"q3config.cfg", "q3config.cf", false},
        NameCase{"quake3.exe", "QUAKE3.EXE", true}, NameCase{"quake3.exe", "quake3.exe.zip", false},
        // only A-Z change case; other bytes are compared as they are
        NameCase{"caf\xc3\xa9.cfg", "CAF\xc3\xa9.CFG", true},
        NameCase{"caf\xc3\xa9.cfg", "caf\xc3\x89.cfg", false},
        // wildcards: the name test and the extension test both count
        NameCase{"*.cfg", "autoexec.CFG", true}, NameCase{"*.cfg", "autoexec.cfgx", false},
        NameCase{"*.cfg", "cfg", false}, NameCase{"q3config.*", "Q3CONFIG.BAK", true},
        NameCase{"q3config.*", "q3config.", false}, NameCase{"?3config.cfg", "Q3config.cfg", true},
        NameCase{"dir/q3config.cfg", "q3config.cfg", true}));

}  // namespace
}  // namespace brisko
