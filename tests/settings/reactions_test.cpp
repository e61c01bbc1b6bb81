// The reactions of the setting controls: the common pattern, its exceptions and
// the rules that act on other controls.
#include <gtest/gtest.h>

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

TEST_F(FormFixture, ProgramSelectionOfAListRunsNoReaction) {
    form.SaveConfirmed = true;
    auto before = help(kRendererPage);
    form.GammaCombo.setItemIndex(3);
    EXPECT_TRUE(form.SaveConfirmed);
    EXPECT_EQ(help(kRendererPage), before);
}

TEST_F(FormFixture, ComboModelHasNoReaction) {
    form.SaveConfirmed = true;
    auto before = help(kClientPage);
    form.ComboModel.userSelect(1);
    EXPECT_TRUE(form.SaveConfirmed);
    EXPECT_EQ(help(kClientPage), before);
}

TEST_F(FormFixture, PlayerNameOnlyClearsSaveConfirmed) {
    form.SaveConfirmed = true;
    auto before = help(kClientPage);
    form.PlayerName.setText("Sarge");
    EXPECT_FALSE(form.SaveConfirmed);
    EXPECT_EQ(help(kClientPage), before);
}

TEST_F(FormFixture, UncheckingTheSkyRunsTheBoxReactionsFirstThenItsOwnHelp) {
    form.rfastsky.setChecked(true);
    form.rdrawsun.setChecked(true);
    form.rnoportals.setChecked(true);
    auto& descriptions = record(form.LblDescriptRenderer);

    form.rfastsky.setChecked(false);

    EXPECT_FALSE(form.rdrawsun.checked());
    EXPECT_FALSE(form.rdrawsun.enabled());
    EXPECT_FALSE(form.rnoportals.checked());
    EXPECT_FALSE(form.rnoportals.enabled());
    EXPECT_EQ(descriptions,
              (std::vector<std::string>{std::string(helpOf("rdrawsun").description),
                                        std::string(helpOf("rnoportals").description),
                                        std::string(helpOf("rfastsky").description)}));
    EXPECT_EQ(help(kRendererPage).second, helpOf("rfastsky").cvarLine);
}

TEST_F(FormFixture, CheckingTheSkyEnablesTheBoxesAndKeepsThemUnchecked) {
    form.rfastsky.setChecked(true);
    EXPECT_TRUE(form.rdrawsun.enabled());
    EXPECT_TRUE(form.rnoportals.enabled());
    EXPECT_FALSE(form.rdrawsun.checked());
    EXPECT_FALSE(form.rnoportals.checked());
}

TEST_F(FormFixture, UncheckingTheSkyWithBoxesUncheckedRunsNoOtherReaction) {
    form.rfastsky.setChecked(true);
    form.UpdateHelpPanel(kRendererPage, "before", "");
    auto& descriptions = record(form.LblDescriptRenderer);
    form.rfastsky.setChecked(false);
    EXPECT_EQ(descriptions, std::vector<std::string>{std::string(helpOf("rfastsky").description)});
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

TEST_F(FormFixture, UncheckingPredictionWarnsOnceCheckingAgainDoesNot) {
    form.PlayerPredict.setChecked(true);
    EXPECT_TRUE(sp.messages.shown.empty());
    form.PlayerPredict.setChecked(false);
    ASSERT_EQ(sp.messages.shown.size(), 1u);
    EXPECT_EQ(sp.messages.shown[0].text,
              "It is not advised to disabled client-side player prediction.");
    EXPECT_EQ(sp.messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(sp.messages.shown[0].caption, "Warning");
    EXPECT_FALSE(form.PlayerPredict.checked());  // the box does not undo the change
    form.PlayerPredict.setChecked(true);
    EXPECT_EQ(sp.messages.shown.size(), 1u);
}

TEST_F(FormFixture, PredictionWarningComesBeforeTheHelp) {
    form.PlayerPredict.setChecked(true);
    form.UpdateHelpPanel(kNetworkPage, "before", "");
    std::string helpWhileWarning;
    sp.messages.onShow = [&](const Message&) { helpWhileWarning = form.LblNetDescript.caption(); };
    form.PlayerPredict.setChecked(false);
    EXPECT_EQ(helpWhileWarning, "before");
    EXPECT_EQ(form.LblNetDescript.caption(), helpOf("PlayerPredict").description);
}

TEST_F(FormFixture, UncheckingTheLightmapKeepsTheHelpButClearsSaveConfirmed) {
    form.rlightmap.setChecked(true);
    form.UpdateHelpPanel(kRendererPage, "before", "line");
    form.SaveConfirmed = true;
    form.rlightmap.setChecked(false);
    EXPECT_EQ(help(kRendererPage), std::make_pair(std::string("before"), std::string("line")));
    EXPECT_FALSE(form.SaveConfirmed);
}

TEST_F(FormFixture, CurveDetailLabelFollowsTheSlider) {
    form.rsubdivisions.setPosition(1);
    EXPECT_EQ(form.LblCurves.caption(), "Curve Detail: 1");
    form.rsubdivisions.setPosition(2000);
    EXPECT_EQ(form.LblCurves.caption(), "Curve Detail: 999");
}

TEST_F(FormFixture, ClickingACheckedRadioButtonRunsNothing) {
    form.SaveConfirmed = true;
    auto before = help(kClientPage);
    form.netgraph.setChecked(true);
    EXPECT_TRUE(form.SaveConfirmed);
    EXPECT_EQ(help(kClientPage), before);
}

TEST_F(FormFixture, CheckingVertexLightUnchecksLightmapAndRunsOnlyItsOwnReaction) {
    auto& descriptions = record(form.LblDescriptRenderer);
    form.rvertexlight.setChecked(true);
    EXPECT_FALSE(form.rlightmaplighting.checked());
    EXPECT_EQ(descriptions,
              std::vector<std::string>{std::string(helpOf("rvertexlight").description)});
}

TEST_F(FormFixture, SliderLabelsShowTheirPositions) {
    form.OuterWidth.setPosition(150);
    EXPECT_EQ(form.LblOuterWidth.caption(), "Outer Trail Width: 150");
    form.InnerWidth.setPosition(0);
    EXPECT_EQ(form.LblInnerWidth.caption(), "Inner Trail Width: 1");
    form.Distance.setPosition(5);
    EXPECT_EQ(form.LblDistance.caption(), "Distance Between Coils: 5");
    EXPECT_EQ(help(kRailPage).first, helpOf("Distance").description);
}

TEST_F(FormFixture, ExitEndsTheProgramWithoutAQuestion) {
    form.SaveConfirmed = false;
    form.ExitBtn.click();
    EXPECT_TRUE(sp.app.requested);
    EXPECT_TRUE(sp.messages.shown.empty());
}

}  // namespace
}  // namespace brisko
