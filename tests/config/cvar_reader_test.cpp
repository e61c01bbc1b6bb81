#include "config/cvar_reader.h"

#include <gtest/gtest.h>

#include "support/form_fixture.h"
#include "support/temp_tree.h"

namespace brisko {
namespace {

struct NameCase {
    const char* title;
    Lines lines;
    std::string expected;
};

class ReadNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(ReadNameTest, ReadsThePlayerName) {
    std::string value = "(unchanged)";
    ReadCvarValue(GetParam().lines, 6, 4, "name", value);
    EXPECT_EQ(value, GetParam().expected);
}

const Lines kHead = {"// header", "unbindall"};
Lines with(std::initializer_list<std::string> more) {
    Lines lines = kHead;
    lines.insert(lines.end(), more);
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadNameTest,
    ::testing::Values(
        NameCase{"Plain", with({"seta name \"Player\""}), "Player"},
        NameCase{"CapitalsCompareLowered", with({"SETA NAME \"Sarge\""}), "Sarge"},
        NameCase{"ThreeLetterCommandMisses", with({"set name \"Sarge\""}), "(unchanged)"},
        NameCase{"NoQuotesDropsColumnElevenAndTheLast", with({"seta name Sarge"}), "arg"},
        NameCase{"EmptyQuotes", with({"seta name \"\""}), ""},
        NameCase{"NothingAfterTheName", with({"seta name"}), ""},
        NameCase{"FirstTwoLinesIgnored", Lines{"seta name \"A\"", "seta name \"B\""},
                 "(unchanged)"},
        NameCase{"LastMatchWins", with({"seta name \"A\"", "seta x \"1\"", "seta name \"B\""}),
                 "B"},
        NameCase{"LongerCvarMatchesToo", with({"seta namecolor \"7\""}), "lor \"7"},
        NameCase{"ShortLinesDoNotMatch", with({"", "seta", "seta nam"}), "(unchanged)"},
        NameCase{"BytesKept", with({"seta name \"^1S\xE9rge\""}), "^1S\xE9rge"}),
    [](const auto& test) { return std::string(test.param.title); });

using test::FormFixture;

TEST_F(FormFixture, LoadConfigTakesTheNameFromTheThirdLineOnAndClearsSaveConfirmed) {
    test::TempTree tree;
    const std::pair<std::string, std::string> cases[] = {
        {"// x\r\nunbindall\r\nseta name \"Visor\"\r\n", "Visor"},
        {"seta name \"Ignored\"\n", ""},  // no name there: the field is emptied
    };
    for (const auto& [text, name] : cases) {
        SCOPED_TRACE(text);
        form.PlayerName.setText("Old");
        form.SaveConfirmed = true;
        LoadConfig(form, tree.file("q3config.cfg", text));
        EXPECT_EQ(form.PlayerName.text(), name);
        EXPECT_FALSE(form.SaveConfirmed);
    }
}

TEST_F(FormFixture, LoadConfigOfAFileThatCannotBeOpenedKeepsTheName) {
    form.PlayerName.setText("Keep");
    DispatchUserEvent(sp.messages, [&] { LoadConfig(form, "/no/such/q3config.cfg"); });
    EXPECT_EQ(form.PlayerName.text(), "Keep");
    EXPECT_EQ(sp.messages.shown,
              test::Boxes{test::errorBox("Cannot open file /no/such/q3config.cfg.")});
}

}  // namespace
}  // namespace brisko
