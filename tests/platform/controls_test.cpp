// The reaction rules of each kind of control, for program and user changes alike.
#include "platform/controls.h"

#include <gtest/gtest.h>

namespace brisko {
namespace {

TEST(CheckBoxTest, RunsItsReactionOnlyWhenTheStateChanges) {
    CheckBox box("box");
    int runs = 0;
    box.onClick = [&] { ++runs; };
    box.setChecked(false);
    EXPECT_EQ(runs, 0);
    box.setChecked(true);
    box.setChecked(true);
    EXPECT_EQ(runs, 1);
    box.toggle();
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(runs, 2);
}

TEST(CheckBoxTest, ReactionSeesTheNewState) {
    CheckBox box("box");
    bool seen = false;
    box.onClick = [&] { seen = box.checked(); };
    box.setChecked(true);
    EXPECT_TRUE(seen);
}

struct RadioPair : ::testing::Test {
    RadioGroup panel{"panel"};
    RadioButton a{"a", panel};
    RadioButton b{"b", panel};
    std::vector<std::string> runs;
    void SetUp() override {
        a.onClick = [&] { runs.push_back("a"); };
        b.onClick = [&] { runs.push_back("b"); };
        a.setChecked(true);
        runs.clear();
    }
};

TEST_F(RadioPair, CheckingOneUnchecksItsPartnerWithoutThePartnersReaction) {
    b.setChecked(true);
    EXPECT_TRUE(b.checked());
    EXPECT_FALSE(a.checked());
    EXPECT_EQ(runs, std::vector<std::string>{"b"});
}

TEST_F(RadioPair, CheckingTheCheckedButtonRunsNothing) {
    a.setChecked(true);
    EXPECT_TRUE(runs.empty());
}

TEST_F(RadioPair, UncheckingRunsNothingAndLeavesBothUnchecked) {
    a.setChecked(false);
    EXPECT_FALSE(a.checked());
    EXPECT_FALSE(b.checked());
    EXPECT_TRUE(runs.empty());
}

TEST(SliderTest, ClampsAndRunsOnlyOnARealChange) {
    Slider slider("s", 1, 50, 16);
    std::vector<int> seen;
    slider.onChange = [&] { seen.push_back(slider.position()); };
    slider.setPosition(0);    // clamps to 1: a change
    slider.setPosition(-7);   // clamps to 1 again: no change
    slider.setPosition(200);  // clamps to 50
    slider.setPosition(50);
    EXPECT_EQ(seen, (std::vector<int>{1, 50}));
}

TEST(SliderTest, DesignPositionOutsideTheRangeIsClamped) {
    Slider slider("s", 1, 100, 128);
    EXPECT_EQ(slider.position(), 100);
}

TEST(ComboBoxTest, ProgramChangesRunNoReaction) {
    ComboBox combo("c");
    int runs = 0;
    combo.onChange = [&] { ++runs; };
    combo.setItems({"A", "B", "C"});
    combo.setItemIndex(1);
    combo.addItem("D");
    combo.deleteItem(0);
    combo.clear();
    EXPECT_EQ(runs, 0);
}

TEST(ComboBoxTest, UserPickRunsTheReactionEveryTime) {
    ComboBox combo("c");
    combo.setItems({"A", "B"});
    std::vector<std::string> seen;
    combo.onChange = [&] { seen.push_back(combo.text()); };
    combo.userSelect(1);
    combo.userSelect(1);
    EXPECT_EQ(seen, (std::vector<std::string>{"B", "B"}));
}

TEST(ComboBoxTest, RemovingTheSelectedItemLeavesNoSelection) {
    ComboBox combo("c");
    combo.setItems({"A", "B", "C", "D"});
    combo.setItemIndex(1);
    combo.deleteItem(1);
    EXPECT_EQ(combo.itemIndex(), -1);
    EXPECT_EQ(combo.text(), "");

    combo.setItemIndex(2);  // "D"
    combo.deleteItem(0);
    EXPECT_EQ(combo.itemIndex(), 1);
    EXPECT_EQ(combo.text(), "D");
}

TEST(ComboBoxTest, OutOfRangeIndexSelectsNothing) {
    ComboBox combo("c");
    combo.setItems({"A"});
    combo.setItemIndex(0);
    combo.setItemIndex(5);
    EXPECT_EQ(combo.itemIndex(), -1);
}

TEST(ComboBoxTest, OpeningRunsTheDropDownReactionFirst) {
    ComboBox combo("c");
    combo.setItems({"Select One", "X"});
    combo.onDropDown = [&] { combo.deleteItem(0); };
    combo.userOpen();
    EXPECT_EQ(combo.items(), std::vector<std::string>{"X"});
}

TEST(TextFieldTest, RunsOnEveryChangeOfText) {
    TextField field("t");
    int runs = 0;
    field.onChange = [&] { ++runs; };
    field.setText("a");
    field.setText("a");
    field.setText("");
    EXPECT_EQ(runs, 2);
}

TEST(ControlTest, EnabledChangesRunNoReactionButTellTheView) {
    CheckBox box("box");
    int reactions = 0, syncs = 0;
    box.onClick = [&] { ++reactions; };
    box.onViewSync = [&] { ++syncs; };
    box.setEnabled(false);
    box.setEnabled(false);
    EXPECT_EQ(reactions, 0);
    EXPECT_EQ(syncs, 1);
}

TEST(TreeViewTest, SelectingAnotherNodeRunsTheReaction) {
    TreeView tree("t");
    tree.addNode("root", -1);
    tree.addNode("child", 0);
    int runs = 0;
    tree.onChange = [&] { ++runs; };
    tree.select(1);
    tree.select(1);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(tree.selected(), 1);
}

}  // namespace
}  // namespace brisko
