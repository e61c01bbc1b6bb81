// Whole written files compared byte for byte with files written by hand.
#include <gtest/gtest.h>

#include "writer_support.h"

namespace brisko::test {
namespace {

TEST_F(WriterFixture, FirstStateWritesTheGoldenFile) {
    useConfig(goldenFile("old-a.cfg"));
    applySettings(form, stateA());
    form.PlayerName.setText("^1Caf\xe9 Fan");
    sp.messages.answers = {Answer::Yes};

    save();

    EXPECT_EQ(boxes().size(), 1u);  // the confirmation only
    EXPECT_EQ(readBytes(config), goldenFile("written-a.cfg"));
}

TEST_F(WriterFixture, SecondStateWritesTheOtherBranches) {
    useConfig(goldenFile("old-b.cfg"));
    applySettings(form, stateB());
    form.PlayerName.setText("");
    sp.messages.answers = {Answer::Yes, Answer::Yes};  // "Player" for the empty name, then save

    save();

    EXPECT_EQ(readBytes(config), goldenFile("written-b.cfg"));
}

}  // namespace
}  // namespace brisko::test
