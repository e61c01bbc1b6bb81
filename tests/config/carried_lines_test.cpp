// The lines carried over from the old file: key bindings and the cvars the
// window does not edit.
#include "config/carried_lines.h"

#include <gtest/gtest.h>

#include <optional>

#include "config/setting_line.h"

namespace brisko {
namespace {

struct CarryCase {
    const char* title;
    Lines old;
    Lines carried;
};

class BindLinesTest : public ::testing::TestWithParam<CarryCase> {};

TEST_P(BindLinesTest, CarriesTheBindLines) {
    Lines out = {"before"};
    CopyBindLines(GetParam().old, out);
    Lines expected = {"before"};
    expected.insert(expected.end(), GetParam().carried.begin(), GetParam().carried.end());
    EXPECT_EQ(out, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, BindLinesTest,
    ::testing::Values(
        CarryCase{"FirstTwoLinesNeverExamined", {"bind a \"+attack\"", "bind b \"+back\""}, {}},
        CarryCase{"OneLineFile", {"bind a \"+attack\""}, {}},
        CarryCase{
            "FromTheThirdLineInOrder",
            {"// head", "unbindall", "bind a \"+attack\"", "seta x \"1\"", "bind b \"+back\""},
            {"bind a \"+attack\"", "bind b \"+back\""}},
        CarryCase{"CaseSensitive", {"1", "2", "Bind a \"x\"", "BIND b \"y\"", " bind c \"z\""}, {}},
        CarryCase{"LongerWordsBeginningWithBind",
                  {"1", "2", "bindlist", "binder"},
                  {"bindlist", "binder"}},
        CarryCase{"BytesKept",
                  {"1", "2", "bind \xe9 \"say caf\xe9\"\t"},
                  {"bind \xe9 \"say caf\xe9\"\t"}}),
    [](const auto& test) { return std::string(test.param.title); });

class NotTweakedLinesTest : public ::testing::TestWithParam<CarryCase> {};

TEST_P(NotTweakedLinesTest, CarriesTheListedCvars) {
    Lines out;
    CopyNotTweakedLines(GetParam().old, {}, out);
    EXPECT_EQ(out, GetParam().carried);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, NotTweakedLinesTest,
    ::testing::Values(
        CarryCase{
            "FirstTwoLinesNeverExamined", {"seta sensitivity \"5\"", "seta in_mouse \"1\""}, {}},
        CarryCase{"OneLineFile", {"seta sensitivity \"5\""}, {}},
        CarryCase{"CaseIgnoredOnTheOldSide",
                  {"1", "2", "seta Sensitivity \"5\"", "SETA IN_MOUSE \"1\""},
                  {"seta Sensitivity \"5\"", "SETA IN_MOUSE \"1\""}},
        CarryCase{"PrefixesCarryLongerNames",
                  {"1", "2", "seta snd_device \"x\"", "seta sndfoo \"1\"",
                   "seta r_stereoSeparation \"64\"", "seta r_stereo \"0\""},
                  {"seta snd_device \"x\"", "seta sndfoo \"1\"", "seta r_stereoSeparation \"64\"",
                   "seta r_stereo \"0\""}},
        CarryCase{
            "LineCarriedOnceForSeveralNames",
            {"1", "2", "seta in_mididevice \"1\"", "seta in_midi \"0\"", "seta in_midiport \"1\""},
            {"seta in_mididevice \"1\"", "seta in_midi \"0\"", "seta in_midiport \"1\""}},
        CarryCase{
            "EachNameOverItsFullLength",
            {"1", "2", "seta r_customwidth \"640\"", "seta in_mouse \"1\"",
             "seta r_ext_multitexture \"1\"", "seta r_custom \"1\"", "seta in_mous \"1\""},
            {"seta r_customwidth \"640\"", "seta in_mouse \"1\"", "seta r_ext_multitexture \"1\""}},
        CarryCase{
            "FirstFiveCharactersNotExamined",
            {"1", "2", "set  sensitivity \"5\"", "set sensitivity \"5\"", "xxxx\tfreelook \"1\""},
            {"set  sensitivity \"5\"", "xxxx\tfreelook \"1\""}},
        CarryCase{"SampleRateNotCarried",
                  {"1", "2", "seta s_khz \"22\"", "seta s_musicvolume \"0.25\""},
                  {"seta s_musicvolume \"0.25\""}},
        CarryCase{
            "OtherLinesDropped",
            {"1", "2", "seta r_mode \"4\"", "// Not Tweaked", "exec autoexec.cfg", "seta", ""},
            {}},
        CarryCase{"BindLinesLeftToTheBindBlock",
                  {"1", "2", "bind sensitivity \"+attack\"", "bind snd_x \"y\""},
                  {}},
        CarryCase{"TodaysNamesBesideTheFirstOnes",
                  {"1", "2", "seta CG_CrosshairSize \"24\"", "seta crosshairsize \"30\"",
                   "seta cg_zoomFov \"22.5\"", "seta viewsize \"90\"", "seta cg_ViewSize \"100\"",
                   "seta cg_fov \"110\"", "seta ZOOMFOV \"30\""},
                  {"seta CG_CrosshairSize \"24\"", "seta crosshairsize \"30\"",
                   "seta cg_zoomFov \"22.5\"", "seta viewsize \"90\"", "seta cg_ViewSize \"100\"",
                   "seta ZOOMFOV \"30\""}},
        CarryCase{"DuplicatesKeptInFileOrder",
                  {"1", "2", "seta viewsize \"100\"", "seta fov \"90\"", "seta viewsize \"90\""},
                  {"seta viewsize \"100\"", "seta viewsize \"90\""}}),
    [](const auto& test) { return std::string(test.param.title); });

// Each old line, after two lines that carry nothing, and whether it is kept among
// the other lines when the file writes fov, cg_fov, name and r_picmip itself.
struct OtherLineCase {
    const char* line;
    bool kept;
};

class OtherLinesTest : public ::testing::TestWithParam<OtherLineCase> {};

TEST_P(OtherLinesTest, KeepsWhatNothingElseWrites) {
    Lines out;
    CopyOtherLines({"// head", "unbindall", GetParam().line}, {"fov", "cg_fov", "name", "r_picmip"},
                   out);
    EXPECT_EQ(out, GetParam().kept ? Lines{GetParam().line} : Lines{}) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, OtherLinesTest,
    ::testing::Values(
        // Other settings and commands, whatever their form.
        OtherLineCase{"seta cl_timenudge \"-20\"", true},
        OtherLineCase{"seta cg_crosshairx \"0\" // centred", true},
        OtherLineCase{"\tSET\tm_filter\t1", true}, OtherLineCase{"cl_timenudge 0", true},
        OtherLineCase{"alias +zoom \"cg_fov 90\"", true}, OtherLineCase{"exec autoexec.cfg", true},
        OtherLineCase{"seta", true}, OtherLineCase{"seta fovx \"1\"", true},
        OtherLineCase{"Bind x \"weapnext\"", true}, OtherLineCase{"unbindall x", true},
        OtherLineCase{"/ one slash", true}, OtherLineCase{"\xe9 // caf\xe9", true},
        // Settings of a cvar the file writes, in any case and quoting.
        OtherLineCase{"seta cg_fov \"110\"", false}, OtherLineCase{"CG_FOV 110", false},
        OtherLineCase{"seta \"cg_fov\" \"110\"", false}, OtherLineCase{"Setu\tName \"x\"", false},
        OtherLineCase{"sets r_picmip 2", false}, OtherLineCase{"  set fov 90;seta rate 1", false},
        // Carried in their own blocks.
        OtherLineCase{"bind w \"+forward\"", false}, OtherLineCase{"seta sensitivity \"5\"", false},
        // Layout the file writes itself.
        OtherLineCase{"", false}, OtherLineCase{" \t ", false}, OtherLineCase{"// comment", false},
        OtherLineCase{"\t  //seta cg_fov 1", false}, OtherLineCase{" UnBindAll\t", false}));

TEST(OtherLines, FirstTwoLinesAreKeptUnlessLayoutInFileOrder) {
    Lines out;
    CopyOtherLines({"bind a \"+attack\"", "seta sensitivity \"2\"", "seta snaps \"40\"",
                    "seta fov \"1\"", "seta snaps \"40\""},
                   {"fov"}, out);
    EXPECT_EQ(out, (Lines{"bind a \"+attack\"", "seta sensitivity \"2\""}));
}

struct ValueCase {
    const char* line;
    const char* name;
    std::optional<std::string> value;
};

class SettingLineTest : public ::testing::TestWithParam<ValueCase> {};

// The cvar a line sets, and the value the game's console gives it.
TEST_P(SettingLineTest, ReadsAsTheGameDoes) {
    EXPECT_EQ(SettingName(GetParam().line), GetParam().name) << GetParam().line;
    EXPECT_EQ(SettingValue(GetParam().line), GetParam().value) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SettingLineTest,
    ::testing::Values(ValueCase{"seta cg_fov \"110\"", "cg_fov", "110"},
                      ValueCase{"SETA\t\"R_Mode\"\t4", "R_Mode", "4"},
                      ValueCase{"seta m_filter 1 2", "m_filter", "1 2"},
                      ValueCase{"seta name \"a b\" // note", "name", "a b"},
                      ValueCase{"seta rate \"25000\";seta snaps 30", "rate", "25000"},
                      ValueCase{"seta rate \"a;b\"", "rate", "a;b"},
                      ValueCase{"seta s_khz \"\"", "s_khz", ""},
                      ValueCase{"cl_timenudge -10 5", "cl_timenudge", "-10"},
                      ValueCase{"seta cg_fov", "cg_fov", std::nullopt},
                      ValueCase{"cg_fov", "cg_fov", std::nullopt},
                      ValueCase{"seta", "", std::nullopt}, ValueCase{"  ", "", std::nullopt}));

TEST(NotTweakedLine, AppendsOnlyWhenTheNameMatches) {
    Lines out;
    EXPECT_TRUE(CopyNotTweakedLine("seta ZoomFov \"22\"", "zoomfov", out));
    EXPECT_FALSE(CopyNotTweakedLine("seta zoomfov \"22\"", "fov", out));
    EXPECT_FALSE(CopyNotTweakedLine("seta", "zoomfov", out));
    EXPECT_EQ(out, Lines{"seta ZoomFov \"22\""});
}

// Without s_khz (the SampleRateNotCarried case shows it is not carried), with the
// three names of today's engines.
TEST(NotTweakedNames, SixtyOneNames) {
    EXPECT_EQ(NotTweakedNames().size(), 61u);
}

}  // namespace
}  // namespace brisko
