#include "platform/posix/paths.h"

#include <gtest/gtest.h>

namespace brisko {
namespace {

struct PathCase {
    const char* path;
    const char* folder;
    const char* name;
};

TEST(Paths, FolderAndNameOfAPath) {
    const PathCase cases[] = {
        {"/home/ann/.q3a/baseq3/q3config.cfg", "/home/ann/.q3a/baseq3", "q3config.cfg"},
        {"/q3config.cfg", "/", "q3config.cfg"},
        {"/", "/", ""},
        {"q3config.cfg", ".", "q3config.cfg"},
        {"baseq3/q3config.cfg", "baseq3", "q3config.cfg"},
        {"/home/ann/.q3a/", "/home/ann", ".q3a"},
        {"/home//ann", "/home", "ann"},
        {"", "", ""},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(FolderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(NameOf(c.path), c.name) << c.path;
    }
    EXPECT_EQ(JoinPath("/", "x"), "/x");
    EXPECT_EQ(JoinPath("/a/", "x"), "/a/x");
    EXPECT_EQ(JoinPath(".", "x"), "x");
}

}  // namespace
}  // namespace brisko
