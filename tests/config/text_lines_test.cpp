#include "config/text_lines.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/platform.h"
#include "support/temp_tree.h"

namespace brisko {
namespace {

struct SplitCase {
    std::string text;
    Lines lines;
};

class SplitLinesTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, Splits) {
    EXPECT_EQ(SplitLines(GetParam().text), GetParam().lines);
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
        ReadTextFile(path);
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
    }
}

// Only regular files are read; anything else is refused at once, never waited on
// (a FIFO would wait for a writer for ever).
TEST(ReadTextFileTest, WhatIsNoFileCannotBeOpenedAndIsNeverWaitedOn) {
    test::TempTree tree;
    ASSERT_EQ(::mkfifo((tree.root() + "/fifo").c_str(), 0644), 0);
    std::filesystem::create_symlink(tree.root() + "/fifo", tree.root() + "/q3config.cfg");
    for (const std::string& path :
         {tree.root(), tree.root() + "/q3config.cfg", std::string("/dev/zero")})
        EXPECT_THROW(ReadTextFile(path), AppError) << path;
}

TEST(ReadTextFileTest, ReadsBytes) {
    const auto path = std::filesystem::temp_directory_path() / "brisko_text_lines_test.cfg";
    std::ofstream(path, std::ios::binary) << "one\r\ntwo\rthree";
    EXPECT_EQ(ReadTextFile(path.string()), (Lines{"one", "two", "three"}));
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace brisko
