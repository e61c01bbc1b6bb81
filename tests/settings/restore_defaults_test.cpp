// Restore Default Settings: the question, the default values and their nested
// effects, and the tune list's extra item.
#include <gtest/gtest.h>

#include "preset_test_support.h"
#include "support/form_fixture.h"

namespace brisko::test {
namespace {

const char* const kQuestion =
    "Are you sure you want to discard your settings and restore the defaults?";

// The value each control holds after a restore: "on"/"off" for boxes and radio
// buttons, the selected item's text for lists, the position for sliders.
struct DefaultCase {
    Member<TForm1> control;
    const char* value;
};
using F = TForm1;

// clang-format off
const DefaultCase kDefaults[] = {
    {&F::rlightmaplighting, "on"}, {&F::rvertexlight, "off"}, {&F::rfullbright, "off"}, {&F::rlightmap, "off"},
    {&F::rfastsky, "on"}, {&F::rdrawsun, "off"}, {&F::rnoportals, "on"},
    {&F::ShadowCombo, "Ordinary Shadows"}, {&F::TextureModeCombo, "GL Linear MipMap Nearest"},
    {&F::cgmarks, "on"}, {&F::rextcompresstextures, "on"}, {&F::rfinish, "on"}, {&F::rflares, "off"},
    {&F::rsimpleitems, "off"}, {&F::rignorehwgamma, "off"}, {&F::rsubdivisions, "4"},
    {&F::GammaCombo, "1.0"}, {&F::IntensityCombo, "1.0"}, {&F::r_lodbiasCombo, "Default"},
    {&F::FlareSizeCombo, "40"}, {&F::TextureDepthCombo, "Compressed"}, {&F::TextureSizeCombo, "High"},
    {&F::ColorDepthCombo, "Default"}, {&F::ResolutionCombo, "640x480"}, {&F::TuneCombo, " Default Settings"},
    {&F::cgbrasstimeCombo, "1.2 secs"}, {&F::cgdrawammowarning, "on"}, {&F::cgdrawcrosshair, "on"},
    {&F::cgdrawcrosshairnames, "on"}, {&F::crosshairhealth, "on"}, {&F::cggun, "on"}, {&F::netgraph, "on"},
    {&F::fragcounter, "off"}, {&F::cgthirdperson, "off"}, {&F::clnoprint, "on"}, {&F::cgdrawtimer, "on"},
    {&F::cgshowfps, "off"}, {&F::cgautoswitch, "on"}, {&F::cggibs, "on"}, {&F::rsmp, "off"},
    {&F::HandicapCombo, "100"}, {&F::SkinColorCombo, "Red"}, {&F::FovCombo, "90"}, {&F::MaxFPSCombo, "0"},
    {&F::clrun, "on"}, {&F::RailGunStyleCombo, "Quake3Arena"}, {&F::EffectColorCombo, "Red"},
    {&F::RailTrailTimeCombo, "0.4 secs"}, {&F::InnerWidth, "16"}, {&F::Distance, "64"}, {&F::OuterWidth, "128"},
    {&F::PlayerPredict, "on"}, {&F::MaxPacketsCombo, "30"}, {&F::RateCombo, "3000"}, {&F::loadas8bit, "on"},
    {&F::cgfootsteps, "on"}, {&F::SampleRateCombo, "22 Khz"}, {&F::SoundVolume, "7"},
};
// clang-format on

std::string valueOf(const Control* control) {
    if (auto* box = dynamic_cast<const CheckBox*>(control)) return box->checked() ? "on" : "off";
    if (auto* radio = dynamic_cast<const RadioButton*>(control))
        return radio->checked() ? "on" : "off";
    if (auto* list = dynamic_cast<const ComboBox*>(control)) return list->text();
    if (auto* slider = dynamic_cast<const Slider*>(control))
        return std::to_string(slider->position());
    return "?";
}

// The opposite of every default that can be set by hand, with the rules applied.
void moveAwayFromTheDefaults(TForm1& form) {
    chooseAccelerator(form, "3Dfx Voodoo 1");
    form.ApplyBestVisualQuality();
    form.rfullbright.setChecked(true);
    form.rlightmap.setChecked(true);
    form.rsmp.setChecked(true);
    form.cgthirdperson.setChecked(true);
    form.cgautoswitch.setChecked(false);
    form.PlayerPredict.setChecked(false);
    for (ComboBox* list :
         {&form.GammaCombo, &form.IntensityCombo, &form.HandicapCombo, &form.SkinColorCombo,
          &form.FovCombo, &form.MaxPacketsCombo, &form.RateCombo})
        list->setItemIndex(1);
    form.rsubdivisions.setPosition(500);
}

TEST_F(FormFixture, RestoringSetsEveryDefault) {
    moveAwayFromTheDefaults(form);
    sp.messages.answers = {Answer::Yes};
    form.DefaultBtn.click();
    for (const DefaultCase& row : kDefaults)
        EXPECT_EQ(valueOf(&row.control.control(form)), row.value) << nameOf(row.control);
    EXPECT_EQ(form.LblCurves.caption(), "Curve Detail: 4");
    EXPECT_EQ(form.LblInnerWidth.caption(), "Inner Trail Width: 16");
    EXPECT_EQ(form.LblDistance.caption(), "Distance Between Coils: 64");
}

TEST_F(FormFixture, TheButtonAsksBeforeAnythingChangesAndYesClearsSaveConfirmed) {
    moveAwayFromTheDefaults(form);
    form.SaveConfirmed = true;
    const States before = snapshot(form);
    States seen;
    sp.messages.onShow = [&](const Message&) { seen = snapshot(form); };
    sp.messages.shown.clear();
    sp.messages.answers = {Answer::Yes};
    form.DefaultBtn.click();
    EXPECT_EQ(sp.messages.shown, Boxes{warningBox(kQuestion, Buttons::YesNo)});
    EXPECT_EQ(changes(before, seen), States{});
    EXPECT_NE(snapshot(form), before);
    EXPECT_FALSE(form.SaveConfirmed);
    EXPECT_EQ(form.TuneCombo.text(), " Default Settings");
}

struct DeclinedTest : FormFixture, ::testing::WithParamInterface<Answer> {};

TEST_P(DeclinedTest, AnyOtherAnswerChangesNothing) {
    moveAwayFromTheDefaults(form);
    form.SaveConfirmed = true;
    const States before = snapshot(form);
    sp.messages.shown.clear();
    sp.messages.answers = {GetParam()};
    form.DefaultBtn.click();
    EXPECT_EQ(sp.messages.shown, Boxes{warningBox(kQuestion, Buttons::YesNo)});
    EXPECT_EQ(changes(before, snapshot(form)), States{});
    EXPECT_TRUE(form.SaveConfirmed);
}

INSTANTIATE_TEST_SUITE_P(NoOrClosed, DeclinedTest, ::testing::Values(Answer::No, Answer::Closed),
                         [](const auto& test) {
                             return test.param == Answer::No ? "No" : "Closed";
                         });

TEST_F(FormFixture, TwiceWithoutOpeningTheListGivesFiveItemsAndOpeningLeavesThree) {
    form.RestoreDefaults();
    form.RestoreDefaults();
    EXPECT_EQ(form.TuneCombo.count(), 5);
    EXPECT_EQ(form.TuneCombo.item(3), " Default Settings");
    EXPECT_EQ(form.TuneCombo.item(4), " Default Settings");
    EXPECT_EQ(form.TuneCombo.itemIndex(), 3);

    auto reactions = logReactions(form);
    form.TuneCombo.userOpen();
    EXPECT_EQ(form.TuneCombo.count(), 3);
    EXPECT_EQ(form.TuneCombo.text(), " Best Performance");
    EXPECT_TRUE(reactions->empty());
    EXPECT_EQ(form.ResolutionCombo.text(), "640x480");
}

TEST_F(FormFixture, RestoringLeavesTheSettingsThatHaveNoDefault) {
    chooseAccelerator(form, "Matrox G400");
    form.rdynamiclight.setChecked(true);
    form.MsgDisplayCombo.setItemIndex(5);
    form.PlayerName.setText("Sarge");
    form.ComboModel.setItemIndex(1);
    form.RestoreDefaults();
    EXPECT_TRUE(form.rdynamiclight.checked());
    EXPECT_EQ(form.MsgDisplayCombo.itemIndex(), 5);
    EXPECT_EQ(form.PlayerName.text(), "Sarge");
    EXPECT_EQ(form.ComboModel.itemIndex(), 1);
    EXPECT_EQ(form.Accelerator.text(), "Matrox G400");
}

TEST_F(FormFixture, RestoringWhatAlreadyHoldsTheDefaultsRunsNoReaction) {
    form.RestoreDefaults();
    form.LblCurves.setCaption("Curve Detail: stale");
    form.SaveConfirmed = true;
    const std::string renderer = help(kRendererPage).first;
    auto reactions = logReactions(form);

    sp.messages.answers = {Answer::Yes};
    form.DefaultBtn.click();

    EXPECT_TRUE(reactions->empty());
    EXPECT_EQ(help(kRendererPage).first, renderer);
    EXPECT_EQ(form.LblCurves.caption(), "Curve Detail: 4");
    EXPECT_EQ(form.TuneCombo.count(), 5);
    EXPECT_EQ(form.TuneCombo.itemIndex(), 3);
    EXPECT_FALSE(form.SaveConfirmed);
}

TEST_F(FormFixture, TheSkyRuleEnablesTheSkyBoxesBeforeTheyAreSet) {
    form.ApplyBestPerformance();  // sky off: sun and portals off and disabled
    ASSERT_FALSE(form.rnoportals.enabled());
    form.RestoreDefaults();
    EXPECT_TRUE(form.rdrawsun.enabled());
    EXPECT_TRUE(form.rnoportals.enabled());
    EXPECT_TRUE(form.rnoportals.checked());
    EXPECT_FALSE(form.rdrawsun.checked());
}

TEST_F(FormFixture, FlaresOffDisablesTheFlareSizeWhichIsStillSelected) {
    form.ApplyBestVisualQuality();
    form.FlareSizeCombo.setItemIndex(0);
    form.RestoreDefaults();
    EXPECT_FALSE(form.FlareSizeCombo.enabled());
    EXPECT_FALSE(form.LblFlareSize.enabled());
    EXPECT_EQ(form.FlareSizeCombo.text(), "40");
}

// The railgun values are set control by control: the sliders explain themselves,
// not the style.
TEST_F(FormFixture, TheRailgunPageEndsWithTheLastSliderThatMoved) {
    form.ApplyBestVisualQuality();  // "Beam": only the coil distance differs
    form.RestoreDefaults();
    EXPECT_EQ(help(kRailPage),
              std::make_pair(std::string("Sets the distance between the coils when the Railgun is "
                                         "fired."),
                             std::string("r_railsegmentlength [value] default: 64")));
    EXPECT_EQ(form.RailGunStyleCombo.text(), "Quake3Arena");
}

}  // namespace
}  // namespace brisko::test
