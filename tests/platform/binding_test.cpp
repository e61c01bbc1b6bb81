// Real widgets drive the same reactions as the controls: each user action runs
// the control's reaction exactly once, program changes run none.
#include "platform/qt/binding.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include "support/scripted_platform.h"

namespace brisko {
namespace {

struct BindingTest : ::testing::Test {
    test::ScriptedMessages boxes;
    qt::Binder binder{boxes};
    QWidget parent;
    void SetUp() override {
        parent.resize(400, 300);
        parent.show();
    }
};

TEST_F(BindingTest, MouseClickOnACheckBoxRunsItsReactionOnce) {
    CheckBox box("box");
    box.setCaption("Box");
    int runs = 0;
    box.onClick = [&] { ++runs; };
    QCheckBox* widget = binder.checkBox(box, &parent, {10, 10, 100, 20});
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(box.checked());
    EXPECT_TRUE(widget->isChecked());

    box.setChecked(false);  // a program change updates the widget, runs the reaction once
    EXPECT_FALSE(widget->isChecked());
    EXPECT_EQ(runs, 2);
}

// An item wider than the closed box shows whole in the box's tooltip.
TEST_F(BindingTest, AComboCuttingItsItemShowsItWholeInItsTooltip) {
    ComboBox combo("combo");
    combo.setItems({"640x480", "Desktop (2560x1440)"});
    combo.setItemIndex(0);
    qt::DropDownCombo* widget = binder.combo(combo, &parent, {10, 40, 93, 22});
    EXPECT_EQ(widget->toolTip(), "");
    combo.setItemIndex(1);
    EXPECT_EQ(widget->toolTip(), "Desktop (2560x1440)");
    combo.setItemIndex(0);
    EXPECT_EQ(widget->toolTip(), "");
}

TEST_F(BindingTest, UserPickInAComboRunsItsReactionOnceProgramChangesNone) {
    ComboBox combo("combo");
    combo.setItems({"A", "B", "C", "D"});
    combo.setItemIndex(0);
    int runs = 0;
    combo.onChange = [&] { ++runs; };
    qt::DropDownCombo* widget = binder.combo(combo, &parent, {10, 40, 100, 22});
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Down);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(combo.itemIndex(), 1);

    combo.setItemIndex(3);
    EXPECT_EQ(widget->currentIndex(), 3);
    EXPECT_EQ(runs, 1);

    combo.deleteItem(3);  // Qt would select another item; the control selects none
    EXPECT_EQ(combo.itemIndex(), -1);
    EXPECT_EQ(widget->currentIndex(), -1);
    EXPECT_EQ(widget->count(), 3);
    EXPECT_EQ(runs, 1);
}

TEST_F(BindingTest, OpeningTheListRunsTheDropDownReactionBeforeItShows) {
    ComboBox combo("combo");
    combo.setItems({"Select One", "X", "Y"});
    combo.setItemIndex(0);
    int countWhenOpened = -1;
    combo.onDropDown = [&] { combo.deleteItem(0); };
    qt::DropDownCombo* widget = binder.combo(combo, &parent, {10, 40, 100, 22});
    widget->showPopup();
    countWhenOpened = widget->count();
    widget->hidePopup();
    EXPECT_EQ(countWhenOpened, 2);
    EXPECT_EQ(widget->currentIndex(), -1);
}

TEST_F(BindingTest, SliderMoveRunsItsReactionOncePerStep) {
    Slider slider("s", 1, 50, 16);
    std::vector<int> seen;
    slider.onChange = [&] { seen.push_back(slider.position()); };
    QSlider* widget = binder.slider(slider, &parent, {10, 70, 200, 30});
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Right);
    EXPECT_EQ(seen, std::vector<int>{17});
    slider.setPosition(200);  // clamped, and the widget follows
    EXPECT_EQ(widget->value(), 50);
    EXPECT_EQ(seen, (std::vector<int>{17, 50}));
}

TEST_F(BindingTest, RadioClickUnchecksThePartnerAndClickingTheCheckedOneRunsNothing) {
    RadioGroup group("panel");
    RadioButton a("a", group), b("b", group);
    a.setChecked(true);
    std::vector<std::string> runs;
    a.onClick = [&] { runs.push_back("a"); };
    b.onClick = [&] { runs.push_back("b"); };
    QWidget* panel = binder.radioGroup(group, &parent, {10, 110, 200, 40});
    QRadioButton* wa = binder.radio(a, panel, {0, 0, 100, 20});
    QRadioButton* wb = binder.radio(b, panel, {0, 20, 100, 20});
    QTest::mouseClick(wb, Qt::LeftButton, {}, QPoint(8, 10));
    QTest::mouseClick(wb, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(runs, std::vector<std::string>{"b"});
    EXPECT_TRUE(wb->isChecked());
    EXPECT_FALSE(wa->isChecked());

    b.setChecked(false);  // the program may uncheck both
    EXPECT_FALSE(wa->isChecked());
    EXPECT_FALSE(wb->isChecked());
}

TEST_F(BindingTest, TypedTextIsStoredAsUtf8AndProgramTextShown) {
    TextField field("t");
    int runs = 0;
    field.onChange = [&] { ++runs; };
    QLineEdit* widget = binder.edit(field, &parent, {10, 160, 100, 22});
    QTest::keyClick(widget, 'S');
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUtf8("\xC3\xA9"),
                        Qt::NoModifier);
    EXPECT_EQ(field.text(), "S\xC3\xA9");
    EXPECT_EQ(runs, 2);
    field.setText("Visor");
    EXPECT_EQ(widget->text(), "Visor");
    EXPECT_EQ(runs, 3);
}

TEST_F(BindingTest, AnErrorInAUserEventShowsTheBriskoBox) {
    Button button("b");
    button.onClick = [] { throw AppError("Cannot open file /x"); };
    auto* widget = binder.button(button, &parent, {10, 190, 80, 24});
    QTest::mouseClick(widget, Qt::LeftButton);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "Brisko");
    EXPECT_EQ(boxes.shown[0].text, "Cannot open file /x.");
}

// A caption wider than its button is drawn whole in a smaller font; one that
// fits keeps the window's font.
TEST_F(BindingTest, AButtonsCaptionIsNeverCut) {
    Button wide("wide"), narrow("narrow");
    wide.setCaption("&Restore Default Settings");
    narrow.setCaption("&Save");
    auto* w = binder.button(wide, &parent, {2, 10, 134, 25});
    auto* n = binder.button(narrow, &parent, {2, 40, 134, 25});
    EXPECT_LE(QFontMetrics(w->font()).horizontalAdvance("Restore Default Settings"), 134 - 8);
    EXPECT_LT(w->font().pointSizeF(), parent.font().pointSizeF());
    EXPECT_EQ(n->font(), parent.font());
}

TEST_F(BindingTest, TreeSelectionByTheUserRunsTheReaction) {
    TreeView tree("tree");
    tree.addNode("root", -1);
    tree.addNode("child", 0);
    tree.setExpanded(true);
    std::vector<int> seen;
    tree.onChange = [&] { seen.push_back(tree.selected()); };
    QTreeWidget* widget = binder.tree(tree, &parent, {220, 10, 150, 100});
    tree.select(0);  // program
    const QRect childRect = widget->visualItemRect(widget->topLevelItem(0)->child(0));
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, childRect.center());
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    EXPECT_EQ(widget->currentItem(), widget->topLevelItem(0)->child(0));
}

}  // namespace
}  // namespace brisko
