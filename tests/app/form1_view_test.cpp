// The main window as the player sees it: every help text fits its label.
#include "app/views/form1_view.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>

#include "config/load_config.h"
#include "support/scripted_platform.h"

namespace brisko {
namespace {

// The height the label's own font needs for its text, wrapped at its width.
int neededHeight(const QLabel* label) {
    const QRect room = label->contentsRect();
    return QFontMetrics(label->font())
        .boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap | Qt::AlignLeft,
                      label->text())
        .height();
}

// Every description and cvar line shown in a help panel, the railgun styles'
// descriptions included, shows whole: nothing is cut off at the bottom.
TEST(Form1View, EveryHelpTextFitsItsLabel) {
    test::ScriptedPlatform sp;
    ProgramState state;
    TForm1 form(sp.platform, state);
    InitialiseSettingsWindow(form);
    qt::TForm1View view(form, sp.messages);
    const auto checkPanel = [&](std::uint8_t page, const std::string& what) {
        const TForm1::HelpPanel panel = form.helpPanel(page);
        for (const Label* label : {&panel.description, &panel.cvarLine}) {
            const auto* widget = qobject_cast<QLabel*>(view.widget(*label));
            EXPECT_LE(neededHeight(widget), widget->contentsRect().height())
                << what << ": " << widget->text().toStdString();
        }
    };
    for (const auto& row : TForm1::design()) {
        if (!row.more.description) continue;
        for (std::uint8_t page = kRendererPage; page <= kNetworkPage; ++page) {
            form.UpdateHelpPanel(page, row.more.description, row.more.cvarLine);
            checkPanel(page, row.control.control(form).name());
        }
    }
    for (int style = 0; style < static_cast<int>(form.RailGunStyleCombo.items().size()); ++style) {
        form.ApplyRailgunStyle(style);
        checkPanel(kRailPage, "railgun style " + std::to_string(style));
    }
}

}  // namespace
}  // namespace brisko
