// The Qt services of the platform: message boxes, the file-open dialog and the
// place of Brisko.ini.
#include "platform/qt/qt_platform.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "support/scoped_env.h"
#include "support/temp_tree.h"

namespace brisko {
namespace {

// A path or value that looks like markup is shown as it is written.
TEST(QtMessageBoxesTest, TextIsShownAsPlainText) {
    const std::string text = "Cannot open file /home/<b>me</b>/&lt;q3config.cfg.";
    std::string shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        const auto* label = box->findChild<QLabel*>("qt_msgbox_label");
        shown = label->textFormat() == Qt::PlainText ? label->text().toStdString() : "(markup)";
        box->buttons().first()->click();
    });
    qt::QtMessageBoxes boxes;
    boxes.show({MessageKind::Error, Buttons::Ok, text, "Brisko", {}});
    EXPECT_EQ(shown, text);
}

// A short text still leaves the title bar room for the whole caption beside the
// window's icon and its three buttons, each about a line high.
TEST(QtMessageBoxesTest, TitleBarHasRoomForTheCaption) {
    int width = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        width = box->width();
        box->buttons().first()->click();
    });
    qt::QtMessageBoxes boxes;
    boxes.show({MessageKind::Information, Buttons::Ok, "x", "Information", {}});
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    const QFontMetrics metrics(title);
    EXPECT_GE(width, metrics.horizontalAdvance("Information") + 4 * metrics.height());
}

// Details are the box's own "Show Details..." part; the answer is still the button's.
TEST(QtMessageBoxesTest, DetailsAreShownOnRequest) {
    QString details, detailsButton;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        details = box->detailedText();
        QAbstractButton* yes = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            if (box->buttonRole(button) == QMessageBox::ActionRole) detailsButton = button->text();
            if (box->buttonRole(button) == QMessageBox::YesRole) yes = button;
        }
        yes->click();
    });
    qt::QtMessageBoxes boxes;
    EXPECT_EQ(boxes.show({MessageKind::Confirmation, Buttons::YesNo, "Sure?", "Confirm",
                          "fov: 110 \u2192 90"}),
              Answer::Yes);
    EXPECT_EQ(details, QString::fromUtf8("fov: 110 \u2192 90"));
    EXPECT_EQ(detailsButton, "Show Details...");
}

// The browse dialog's filters: the config filter ignores case, "All Files (*.*)"
// shows names without a dot too; folders beginning with a dot are shown with both.
TEST(QtFileDialogsTest, FiltersMatchAsOnTheirHomeSystem) {
    test::TempTree folder;
    for (const char* name : {"a.cfg", "B.CFG", "noext", "x.txt", ".q3a/baseq3/q3config.cfg"})
        folder.file(name, "");
    std::vector<std::string> shown;
    // The folder is listed in the background: wait for the rows expected.
    const auto listed = [&shown](QFileDialog* dialog, int expected) {
        auto* view = dialog->findChild<QListView*>("listView");
        const auto rows = [view] { return view->model()->rowCount(view->rootIndex()); };
        if (!QTest::qWaitFor([&] { return rows() == expected; }, 5000)) ADD_FAILURE() << "rows";
        QStringList names;
        for (int i = 0; i < rows(); ++i)
            names << view->model()->index(i, 0, view->rootIndex()).data().toString();
        names.sort(Qt::CaseInsensitive);
        shown.push_back(names.join(' ').toStdString());
    };
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        listed(dialog, 3);
        auto* combo = dialog->findChild<QComboBox*>("fileTypeCombo");
        combo->setCurrentIndex(1);  // as the user picks it
        emit combo->activated(1);
        emit combo->textActivated(combo->itemText(1));
        listed(dialog, 5);
        dialog->reject();
    });
    qt::QtFileDialogs dialogs;
    dialogs.open(
        {folder.dir(), "Browse...", "Config Files (*.cfg)|*.cfg|All Files (*.*)|*.*", "*.cfg"});
    EXPECT_EQ(shown,
              (std::vector<std::string>{".q3a a.cfg B.CFG", ".q3a a.cfg B.CFG noext x.txt"}));
}

// Without $HOME (nor $XDG_CONFIG_HOME), Brisko.ini goes to the home folder that
// the password database gives, like drive C:.
TEST(IniProfileTest, WithoutAHomeVariableTheAccountsHomeIsUsed) {
    const test::ScopedEnv home{"HOME", nullptr}, configHome{"XDG_CONFIG_HOME", nullptr};
    EXPECT_EQ(qt::IniProfile().path(),
              std::string(::getpwuid(::getuid())->pw_dir) + "/.config/Brisko/Brisko.ini");
}

}  // namespace
}  // namespace brisko
