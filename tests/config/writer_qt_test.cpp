// Saving from the real window: the Save button and the Enter key write the
// config, with the name as typed.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/views/form1_view.h"
#include "writer_support.h"

namespace brisko::test {
namespace {

struct WriterQt : WriterFixture {
    qt::TForm1View view{form, sp.messages};
    void SetUp() override {
        WriterFixture::SetUp();
        useConfig("// old\r\nunbindall\r\nbind w \"+forward\"\r\n");
        form.SaveConfirmed = true;
        view.window()->show();
    }
    QLineEdit* nameField() const { return qobject_cast<QLineEdit*>(view.widget(form.PlayerName)); }
};

TEST_F(WriterQt, SaveButtonWritesTheTypedNameAsUtf8) {
    ASSERT_NE(nameField(), nullptr);
    QTest::keyClicks(nameField(), "Caf");
    QTest::sendKeyEvent(QTest::Click, nameField(), Qt::Key_Eacute, QString::fromUtf8("\xc3\xa9"),
                        Qt::NoModifier);
    form.SaveConfirmed = true;  // typing cleared it; no question wanted here
    auto* button = qobject_cast<QPushButton*>(view.widget(form.SaveBtn));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(boxes(), std::vector<std::string>{});
    EXPECT_NE(readBytes(config).find("\r\nseta name \"Caf\xc3\xa9\"\r\n"), std::string::npos);
}

TEST_F(WriterQt, EnterInTheWindowSaves) {
    form.PlayerName.setText("Tester");
    form.SaveConfirmed = true;
    QTest::keyClick(nameField(), Qt::Key_Return);
    EXPECT_NE(readBytes(config).find("\r\nbind w \"+forward\"\r\n"), std::string::npos);
    EXPECT_EQ(readBytes(backup()), "// old\r\nunbindall\r\nbind w \"+forward\"\r\n");
}

TEST_F(WriterQt, ErrorOfAClickIsShownInTheBriskoBox) {
    state.currentConfigPath = folder.path("gone.cfg");
    QTest::mouseClick(qobject_cast<QPushButton*>(view.widget(form.SaveBtn)), Qt::LeftButton);
    EXPECT_EQ(sp.messages.shown,
              Boxes{errorBox("Cannot open file " + state.currentConfigPath + ".")});
}

}  // namespace
}  // namespace brisko::test
