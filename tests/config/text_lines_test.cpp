#include "config/text_lines.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/platform.h"

namespace brisko {
namespace {

struct SplitCase {
    std::string text;
    Lines lines;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, Splits) {
    EXPECT_EQ(splitLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, SplitLinesTest,
    ::testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\nb\r\n", {"a", "b"}},
                      SplitCase{"a\nb", {"a", "b"}}, SplitCase{"a\rb\r", {"a", "b"}},
                      SplitCase{"a\n\rb", {"a", "", "b"}},  // LF then CR: two breaks
                      SplitCase{"a\r\n\r\nb", {"a", "", "b"}}, SplitCase{"\n", {""}},
                      SplitCase{std::string("a\nb\0c\nd", 7), {"a", "b"}},  // NUL ends the text
                      SplitCase{"x\xE9y\n", {"x\xE9y"}}));

TEST(ReadTextFileTest, MissingFileIsCannotOpen) {
    const std::string path = "/nonexistent/dir/q3config.cfg";
    try {
        readTextFile(path);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
    }
}

TEST(ReadTextFileTest, ADirectoryCannotBeRead) {
    const auto dir = std::filesystem::temp_directory_path();
    EXPECT_THROW(readTextFile(dir.string()), AppError);
}

TEST(ReadTextFileTest, ReadsBytes) {
    const auto path = std::filesystem::temp_directory_path() / "brisko_text_lines_test.cfg";
    std::ofstream(path, std::ios::binary) << "one\r\ntwo\rthree";
    EXPECT_EQ(readTextFile(path.string()), (Lines{"one", "two", "three"}));
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace brisko
