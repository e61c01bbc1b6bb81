// The reactions of the setting controls: the common pattern, its exceptions and
// the rules that act on other controls.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "settings/catalogue.h"
#include "support/form_fixture.h"

namespace brisko {
namespace {

using test::FormFixture;

// Makes a change of the control as a user would, so that its reaction runs.
void changeAsUser(Control& control) {
    if (auto* box = dynamic_cast<CheckBox*>(&control)) {
        box->toggle();
    } else if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
        for (RadioButton* other : radio->group().buttons())
            if (other != radio) other->setChecked(true);
        radio->setChecked(true);
    } else if (auto* combo = dynamic_cast<ComboBox*>(&control)) {
        combo->userSelect(0);
    } else if (auto* slider = dynamic_cast<Slider*>(&control)) {
        slider->setPosition(slider->position() == slider->min() ? slider->max() : slider->min());
    }
}

struct CommonPatternTest : FormFixture, ::testing::WithParamInterface<SettingHelp> {};

TEST_P(CommonPatternTest, ShowsItsHelpOnItsPageAndClearsSaveConfirmed) {
    const SettingHelp& row = GetParam();
    Control* control = form.find(std::string(row.control));
    ASSERT_NE(control, nullptr);
    if (row.control == "rlightmap") {
        form.rlightmap.setChecked(false);  // its help shows only when checked
    }
    form.SaveConfirmed = true;
    changeAsUser(*control);
    if (row.control == "rlightmap" && !form.rlightmap.checked()) changeAsUser(*control);

    EXPECT_EQ(help(row.page),
              std::make_pair(std::string(row.description), std::string(row.cvarLine)));
    const bool keepsConfirmation =
        row.control == "TextureSizeCombo" || row.control == "TextureModeCombo";
    EXPECT_EQ(form.SaveConfirmed, keepsConfirmation);
}

INSTANTIATE_TEST_SUITE_P(EverySetting, CommonPatternTest,
                         ::testing::ValuesIn(settingHelps().begin(), settingHelps().end()),
                         [](const auto& info) { return std::string(info.param.control); });

// Changes that run no setting's help: every panel stays as it was, and only
// the player name and the lightmap box clear SaveConfirmed.
TEST_F(FormFixture, ChangesOutsideTheCommonPatternLeaveTheHelpPanels) {
    struct Case {
        const char* title;
        std::function<void()> change;
        bool clearsConfirmation;
    };
    const Case cases[] = {
        {"program selection of a list", [&] { form.GammaCombo.setItemIndex(3); }, false},
        {"user pick in ComboModel", [&] { form.ComboModel.userSelect(1); }, false},
        {"click on the checked netgraph", [&] { form.netgraph.setChecked(true); }, false},
        {"typing a player name", [&] { form.PlayerName.setText("Sarge"); }, true},
        {"unchecking the lightmap", [&] { form.rlightmap.setChecked(false); }, true},
    };
    form.rlightmap.setChecked(true);
    const auto kept = std::make_pair(std::string("before"), std::string("line"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        for (std::uint8_t page = 0; page < 4; ++page) form.UpdateHelpPanel(page, "before", "line");
        form.SaveConfirmed = true;
        c.change();
        EXPECT_EQ(form.SaveConfirmed, !c.clearsConfirmation);
        for (std::uint8_t page = 0; page < 4; ++page) EXPECT_EQ(help(page), kept) << page;
    }
}

// Unchecking the sky unchecks and disables the sun and portal boxes first (their
// reactions run when they were checked), then shows its own help.
TEST_F(FormFixture, SkyRuleRunsTheBoxReactionsBeforeItsOwnHelp) {
    const std::string sun(helpOf("rdrawsun").description);
    const std::string portals(helpOf("rnoportals").description);
    const std::string sky(helpOf("rfastsky").description);
    struct Case {
        bool sun, portals;
        std::vector<std::string> descriptions;
    };
    for (const Case& c : {Case{true, true, {sun, portals, sky}}, Case{false, true, {portals, sky}},
                          Case{false, false, {sky}}}) {
        SCOPED_TRACE(testing::Message() << "sun " << c.sun << ", portals " << c.portals);
        form.rfastsky.setChecked(true);  // enables the boxes and leaves them unchecked
        EXPECT_TRUE(form.rdrawsun.enabled());
        EXPECT_TRUE(form.rnoportals.enabled());
        EXPECT_FALSE(form.rdrawsun.checked());
        EXPECT_FALSE(form.rnoportals.checked());
        form.rdrawsun.setChecked(c.sun);
        form.rnoportals.setChecked(c.portals);
        form.UpdateHelpPanel(kRendererPage, "before", "");
        auto& descriptions = record(form.LblDescriptRenderer);

        form.rfastsky.setChecked(false);

        EXPECT_EQ(descriptions, c.descriptions);
        EXPECT_EQ(help(kRendererPage).second, helpOf("rfastsky").cvarLine);
        EXPECT_FALSE(form.rdrawsun.checked());
        EXPECT_FALSE(form.rdrawsun.enabled());
        EXPECT_FALSE(form.rnoportals.checked());
        EXPECT_FALSE(form.rnoportals.enabled());
    }
}

TEST_F(FormFixture, FlareRuleFollowsTheBoxAndKeepsTheSize) {
    form.rflares.setChecked(true);
    EXPECT_TRUE(form.FlareSizeCombo.enabled());
    EXPECT_TRUE(form.LblFlareSize.enabled());
    form.FlareSizeCombo.setItemIndex(130);
    form.rflares.setChecked(false);
    EXPECT_FALSE(form.FlareSizeCombo.enabled());
    EXPECT_FALSE(form.LblFlareSize.enabled());
    EXPECT_EQ(form.FlareSizeCombo.itemIndex(), 130);
}

// The warning comes while the help still shows what it showed, and only when
// the box is unchecked; it does not undo the change.
TEST_F(FormFixture, UncheckingPredictionWarnsBeforeTheHelp) {
    form.PlayerPredict.setChecked(true);
    EXPECT_TRUE(sp.messages.shown.empty());
    form.UpdateHelpPanel(kNetworkPage, "before", "");
    std::string helpWhileWarning;
    sp.messages.onShow = [&](const Message&) { helpWhileWarning = form.LblNetDescript.caption(); };
    form.PlayerPredict.setChecked(false);
    EXPECT_EQ(sp.messages.shown,
              test::Boxes{test::warningBox(
                  "It is not advised to disabled client-side player prediction.")});
    EXPECT_EQ(helpWhileWarning, "before");
    EXPECT_EQ(form.LblNetDescript.caption(), helpOf("PlayerPredict").description);
    EXPECT_FALSE(form.PlayerPredict.checked());
    form.PlayerPredict.setChecked(true);
    EXPECT_EQ(sp.messages.shown.size(), 1u);
}

// Slider labels show the position after clamping.
TEST_F(FormFixture, SliderLabelsShowTheirPositions) {
    const std::tuple<Slider*, int, Label*, const char*> cases[] = {
        {&form.rsubdivisions, 1, &form.LblCurves, "Curve Detail: 1"},
        {&form.rsubdivisions, 2000, &form.LblCurves, "Curve Detail: 999"},
        {&form.OuterWidth, 150, &form.LblOuterWidth, "Outer Trail Width: 150"},
        {&form.InnerWidth, 0, &form.LblInnerWidth, "Inner Trail Width: 1"},
        {&form.Distance, 5, &form.LblDistance, "Distance Between Coils: 5"},
    };
    for (const auto& [slider, position, label, caption] : cases) {
        slider->setPosition(position);
        EXPECT_EQ(label->caption(), caption);
    }
}

TEST_F(FormFixture, CheckingVertexLightUnchecksLightmapAndRunsOnlyItsOwnReaction) {
    auto& descriptions = record(form.LblDescriptRenderer);
    form.rvertexlight.setChecked(true);
    EXPECT_FALSE(form.rlightmaplighting.checked());
    EXPECT_EQ(descriptions,
              std::vector<std::string>{std::string(helpOf("rvertexlight").description)});
}

TEST_F(FormFixture, ExitEndsTheProgramWithoutAQuestion) {
    form.SaveConfirmed = false;
    form.ExitBtn.click();
    EXPECT_TRUE(sp.app.requested);
    EXPECT_TRUE(sp.messages.shown.empty());
}

}  // namespace
}  // namespace brisko
