// The accelerator chooser on the real window: opening the list removes the
// placeholder before the popup shows, and picking a card unlocks the window.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QStringList>
#include <QTest>
#include <QTreeWidget>

#include "app/views/form1_view.h"
#include "config/load_config.h"
#include "settings/form1.h"
#include "support/scripted_platform.h"

namespace brisko {
namespace {

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
}

// Records the combo box's items at the moment its popup is shown.
class PopupWatcher : public QObject {
  public:
    explicit PopupWatcher(QComboBox* combo) : combo_(combo) {}
    bool shown = false;
    QStringList itemsWhenShown;
    int indexWhenShown = -2;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !shown) {
            shown = true;
            itemsWhenShown = itemsOf(combo_);
            indexWhenShown = combo_->currentIndex();
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QComboBox* combo_;
};

TEST(PresetsQt, OpeningTheAcceleratorListAndPickingACardUnlocksTheWindow) {
    test::ScriptedPlatform sp;
    ProgramState state;
    TForm1 form(sp.platform, state);
    InitialiseSettingsWindow(form);
    qt::TForm1View view(form, sp.messages);
    form.Accelerator.setEnabled(true);
    form.LblAccelerator.setEnabled(true);

    auto* combo = qobject_cast<QComboBox*>(view.widget(form.Accelerator));
    auto* tree = qobject_cast<QTreeWidget*>(view.widget(form.TreeView1));
    ASSERT_NE(combo, nullptr);
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(combo->itemText(0), "Select One");
    ASSERT_FALSE(tree->isEnabled());
    view.window()->show();

    PopupWatcher watcher(combo);
    combo->view()->window()->installEventFilter(&watcher);
    combo->showPopup();

    ASSERT_TRUE(watcher.shown);
    EXPECT_EQ(watcher.itemsWhenShown.size(), 10);
    EXPECT_FALSE(watcher.itemsWhenShown.contains("Select One"));
    EXPECT_EQ(watcher.itemsWhenShown.value(0), "ATi Rage Fury");
    EXPECT_EQ(watcher.indexWhenShown, -1);

    // The user moves to "3Dfx Voodoo 1" in the open list and presses Enter.
    const int voodoo1 = combo->findText("3Dfx Voodoo 1");
    ASSERT_EQ(voodoo1, 6);
    combo->view()->setCurrentIndex(combo->model()->index(voodoo1, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);

    EXPECT_EQ(form.Accelerator.text(), "3Dfx Voodoo 1");
    EXPECT_EQ(combo->currentText(), "3Dfx Voodoo 1");
    // The profile ran and " Best Performance" was applied for the card.
    auto* resolutions = qobject_cast<QComboBox*>(view.widget(form.ResolutionCombo));
    ASSERT_NE(resolutions, nullptr);
    EXPECT_EQ(itemsOf(resolutions), (QStringList{"400x300", "512x384", "640x480"}));
    EXPECT_EQ(resolutions->currentText(), "512x384");
    EXPECT_EQ(qobject_cast<QComboBox*>(view.widget(form.ShadowCombo))->count(), 2);
    EXPECT_TRUE(form.TreeView1.enabled());
    EXPECT_TRUE(tree->isEnabled());
    EXPECT_TRUE(view.widget(form.ResolutionCombo)->isEnabled());
    EXPECT_TRUE(view.widget(form.DefaultBtn)->isEnabled());
    EXPECT_TRUE(sp.messages.shown.empty());
}

}  // namespace
}  // namespace brisko
