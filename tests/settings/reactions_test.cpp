// The reactions of the setting controls: the common pattern, its exceptions and
// the rules that act on other controls.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

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

using F = TForm1;

// Settings of every kind and page, with the help the player reads for them.
struct PatternCase {
    Member<TForm1> control;
    std::uint8_t page;
    const char* description;
    const char* cvarLine;
};

// clang-format off
const PatternCase kPatternCases[] = {
    {&F::rlightmaplighting, kRendererPage, "Lightmap lighting (or lightmapping) is a kind of shadow lighting effect. Mutually exclusive with vertex lighting. This setting improves aesthetics but incures a performance penalty.", "r_vertexlight [0/1] Default: 1"},
    {&F::rlightmap, kRendererPage, "Renders only lightmaps, no textures are visible but gouraud-shading is still implemented. Cheats 1 must be set to toggle this option.", "r_lightmap [0/1] default: 0"},
    {&F::GammaCombo, kRendererPage, "Sets brightness. Higher than 2 is not recommended since you'll lose most of the texturing", "r_gamma [0 - 3] default: 1"},
    {&F::rsubdivisions, kRendererPage, "Sets the Level-Of-Detail (LOD). An example would be the complexity of curves. High geometry detail sets r_subdivisions to 4, while low geometry detail sets it to 999.", "r_subdivisions [1 to 999] default: 4"},
    {&F::TextureModeCombo, kRendererPage, "Sets texture filtering mode.", "r_texturemode [GL_NEAREST/GL_NEAREST_MIPMAP/GL_LINEAR/GL_LINEAR_MIPMAP_NEAREST/ GL_LINEAR_MIPMAP_LINEAR]  default: GL_LINEAR_MIPMAP_NEAREST"},
    {&F::TextureSizeCombo, kRendererPage, "Sets maximum texture size.", "r_picmip [0 to 3] default: 1"},
    {&F::cgdrawammowarning, kClientPage, "Toggles the \"Low Ammo Warning\" on the player screen.", "cg_drawammowarning [0/1] default: 1"},
    {&F::fragcounter, kClientPage, "Select this option to display the frag counter.", "cg_lagometer 0 default: 1"},
    {&F::rsmp, kClientPage, "Toggles multiprocessor acceleration support.", "r_smp [0/1] default: 0"},
    {&F::EffectColorCombo, kRailPage, "Sets the effects color for the railgun.", "color1 [1 - 7] default: 4"},
    {&F::OuterWidth, kRailPage, "Sets the outer trail width when the Railgun is fired.", "r_railwidth [value] default: 128"},
    {&F::RateCombo, kNetworkPage, "Sets communication rate between client and server.", "rate [value] default: 3000"},
    {&F::SoundVolume, kNetworkPage, "Sets the game sounds volume level.", "s_volume [0 to 1] default: 0.7"},
};
// clang-format on

struct CommonPatternTest : FormFixture, ::testing::WithParamInterface<PatternCase> {};

TEST_P(CommonPatternTest, ShowsItsHelpOnItsPageAndClearsSaveConfirmed) {
    const PatternCase& row = GetParam();
    Control& control = row.control.control(form);
    const bool lightmap = row.control == Member<TForm1>(&F::rlightmap);
    if (lightmap) form.rlightmap.setChecked(false);  // its help shows only when checked
    form.SaveConfirmed = true;
    changeAsUser(control);
    if (lightmap && !form.rlightmap.checked()) changeAsUser(control);

    EXPECT_EQ(help(row.page),
              std::make_pair(std::string(row.description), std::string(row.cvarLine)));
    const bool keepsConfirmation = row.control == Member<TForm1>(&F::TextureSizeCombo) ||
                                   row.control == Member<TForm1>(&F::TextureModeCombo);
    EXPECT_EQ(form.SaveConfirmed, keepsConfirmation);
}

INSTANTIATE_TEST_SUITE_P(SettingsOfEveryKind, CommonPatternTest, ::testing::ValuesIn(kPatternCases),
                         [](const auto& test) { return test::nameOf(test.param.control); });

// Every setting the design gives help is wired to show that help, on one page's
// panel only.
TEST_F(FormFixture, EverySettingWithHelpShowsItsOwnOnOnePanel) {
    const auto before = std::make_pair(std::string("before"), std::string("line"));
    for (const auto& row : TForm1::design()) {
        if (!row.more.description) continue;
        Control& control = row.control.control(form);
        SCOPED_TRACE(control.name());
        form.rlightmap.setChecked(false);
        for (std::uint8_t page = 0; page < 4; ++page) form.UpdateHelpPanel(page, "before", "line");
        changeAsUser(control);
        if (&control == &form.rlightmap && !form.rlightmap.checked()) changeAsUser(control);
        int panels = 0;
        for (std::uint8_t page = 0; page < 4; ++page) {
            if (help(page) == before) continue;
            ++panels;
            EXPECT_EQ(help(page), std::make_pair(std::string(row.more.description),
                                                 std::string(row.more.cvarLine)));
        }
        EXPECT_EQ(panels, 1);
    }
}

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
    const std::string sun(
        "Toggles the drawing of the sun and accompanying glare in the sky/shadows cast. Notable "
        "performance gains can be made by disabling high quality sky.");
    const std::string portals("Toggles the player view through portals.");
    const std::string sky(
        "Toggles the rendering of sky and view through portals/sun effect. Reasonable performance "
        "gains can be made from disabling high quality sky, though portals will appear beige.");
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
        EXPECT_EQ(help(kRendererPage).second, "r_fastsky [0/1] default: 0");
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
    EXPECT_EQ(form.LblNetDescript.caption(),
              "Toggles client-side player prediction. Disabling causes the client to wait for "
              "updates from the server before updating the local machine.");
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
              std::vector<std::string>{
                  "Vertex lighting is the opposite of lightmap lighting. You loose shadows and the "
                  "lighting effect from certain entities but faster performance is achieved when "
                  "this setting is enabled."});
}

TEST_F(FormFixture, ExitEndsTheProgramWithoutAQuestion) {
    form.SaveConfirmed = false;
    form.ExitBtn.click();
    EXPECT_TRUE(sp.app.requested);
    EXPECT_TRUE(sp.messages.shown.empty());
}

}  // namespace
}  // namespace brisko
