// The tune presets: their values per accelerator, their nested effects and the
// tune list itself.
#include <gtest/gtest.h>

#include "preset_test_support.h"
#include "support/form_fixture.h"

namespace brisko::test {
namespace {

enum Preset { kPerformance, kVisual, kBoth };
const char* const kPresetNames[] = {"BestPerformance", "BestVisualQuality", "BestOfBothWorlds"};

struct CardCase {
    const char* card;
    bool full;        // stencil shadows and 32-bit colour offered
    int resolutions;  // how many resolutions are offered
    // Per preset: the selected shadow, colour depth and resolution.
    const char* shadow[3];
    const char* depth[3];
    const char* resolution[3];
};

// clang-format off
const CardCase kCards[] = {
    {"ATi Rage Fury",     true,  20, {"No Shadows", "Stencil Buffer Shadows", "No Shadows"}, {"Default", "32-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"Intel i740",        false,  6, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"512x384", "800x600",  "640x480"}},
    {"nVidia TNT",        true,  20, {"No Shadows", "Stencil Buffer Shadows", "No Shadows"}, {"Default", "32-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"nVidia TNT 2",      true,  20, {"No Shadows", "Stencil Buffer Shadows", "No Shadows"}, {"Default", "32-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"Matrox G200",       false,  6, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"512x384", "640x480",  "640x480"}},
    {"Matrox G400",       true,  20, {"No Shadows", "Stencil Buffer Shadows", "No Shadows"}, {"Default", "32-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"3Dfx Voodoo 1",     false,  3, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"512x384", "640x480",  "640x480"}},
    {"3Dfx Voodoo 2",     false,  4, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"512x384", "800x600",  "640x480"}},
    {"3Dfx SLI Voodoo 2", false,  6, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"3Dfx Voodoo 3",     false, 20, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
};
// clang-format on

struct CardPresetTest : FormFixture, ::testing::WithParamInterface<std::tuple<CardCase, Preset>> {};

TEST_P(CardPresetTest, ChoosingTheCardAppliesThePresetForIt) {
    const auto& [c, preset] = GetParam();
    // First a card of the other kind, with the preset, so the lists must change.
    form.TuneCombo.setItemIndex(preset);
    chooseAccelerator(form, c.full ? "3Dfx Voodoo 1" : "nVidia TNT");

    chooseAccelerator(form, c.card);

    EXPECT_EQ(form.ShadowCombo.items(), c.full ? kFourShadows : kTwoShadows);
    EXPECT_EQ(form.ColorDepthCombo.items(), c.full ? kThreeDepths : kTwoDepths);
    EXPECT_EQ(form.ResolutionCombo.items(),
              Items(kResolutions.begin(), kResolutions.begin() + c.resolutions));
    EXPECT_EQ(form.ShadowCombo.text(), c.shadow[preset]);
    EXPECT_EQ(form.ColorDepthCombo.text(), c.depth[preset]);
    EXPECT_EQ(form.ResolutionCombo.text(), c.resolution[preset]);
}

INSTANTIATE_TEST_SUITE_P(EveryCardAndPreset, CardPresetTest,
                         ::testing::Combine(::testing::ValuesIn(kCards),
                                            ::testing::Values(kPerformance, kVisual, kBoth)),
                         [](const auto& test) {
                             std::string name = std::get<0>(test.param).card;
                             std::erase_if(name, [](char ch) {
                                 return !std::isalnum(static_cast<unsigned char>(ch));
                             });
                             return name + "_" + kPresetNames[std::get<1>(test.param)];
                         });

void applyPreset(TForm1& form, Preset preset) {
    switch (preset) {
        case kPerformance:
            return form.ApplyBestPerformance();
        case kVisual:
            return form.ApplyBestVisualQuality();
        case kBoth:
            return form.ApplyBestOfBothWorlds();
    }
}

struct PresetTest : FormFixture, ::testing::WithParamInterface<Preset> {};

TEST_P(PresetTest, AppliedTwiceChangesNothingTheSecondTime) {
    chooseAccelerator(form, "Matrox G400");
    applyPreset(form, GetParam());
    const States before = snapshot(form, false);
    auto reactions = logReactions(form);
    form.SaveConfirmed = true;

    applyPreset(form, GetParam());

    EXPECT_TRUE(reactions->empty());
    EXPECT_TRUE(form.SaveConfirmed);
    EXPECT_EQ(changes(before, snapshot(form, false)), States{});
    // " Best Visual Quality" paints the railgun picture every time.
    EXPECT_EQ(form.RailPictures.repaints(), GetParam() == kVisual ? 2 : 0);
}

TEST_P(PresetTest, WithoutAnAcceleratorThePerCardRowsAreSkipped) {
    form.Accelerator.userOpen();  // no card selected
    form.ShadowCombo.setItemIndex(3);
    form.ColorDepthCombo.setItemIndex(2);
    form.ResolutionCombo.setItemIndex(7);
    applyPreset(form, GetParam());
    EXPECT_EQ(form.ResolutionCombo.itemIndex(), 7);
    if (GetParam() == kVisual) {
        EXPECT_EQ(form.ShadowCombo.itemIndex(), 3);
        EXPECT_EQ(form.ColorDepthCombo.itemIndex(), 2);
    } else {
        EXPECT_EQ(form.ShadowCombo.itemIndex(), 0);
    }
    EXPECT_TRUE(form.cgdrawcrosshair.checked());  // the other rows still apply
}

// Every row of the presets and the value its control ends with under " Best Performance",
// " Best Visual Quality" and " Best of Both Worlds": a box or radio button 1 (checked) or
// 0, a list its position, a slider its position. A row a preset skips ends where the
// others leave it; the per-accelerator rows are those of "3Dfx Voodoo 2".
struct Row {
    Member<TForm1> control;
    int value[3];
};
using F = TForm1;
// clang-format off
const Row kRows[] = {
    {&F::rvertexlight, {1, 0, 0}},         {&F::rdynamiclight, {0, 1, 0}},        {&F::rlightmaplighting, {0, 1, 1}},
    {&F::rfullbright, {0, 0, 0}},          {&F::rlightmap, {0, 0, 0}},            {&F::rfastsky, {0, 1, 1}},
    {&F::rnoportals, {0, 1, 1}},           {&F::rdrawsun, {0, 1, 0}},             {&F::ShadowCombo, {0, 1, 0}},
    {&F::TextureModeCombo, {3, 4, 4}},     {&F::cgmarks, {0, 1, 1}},              {&F::rextcompresstextures, {1, 0, 0}},
    {&F::rfinish, {0, 1, 1}},              {&F::rflares, {0, 1, 1}},              {&F::FlareSizeCombo, {150, 110, 130}},
    {&F::rsimpleitems, {1, 0, 0}},         {&F::rignorehwgamma, {1, 1, 1}},       {&F::r_lodbiasCombo, {2, 0, 0}},
    {&F::rsubdivisions, {999, 1, 10}},     {&F::TextureSizeCombo, {2, 0, 1}},     {&F::TextureDepthCombo, {0, 2, 1}},
    {&F::ColorDepthCombo, {0, 1, 1}},      {&F::ResolutionCombo, {1, 3, 2}},      {&F::cgbrasstimeCombo, {16, 6, 8}},
    {&F::cggibs, {0, 1, 1}},               {&F::cgdrawammowarning, {1, 1, 1}},    {&F::cgdrawcrosshair, {1, 1, 1}},
    {&F::cgdrawcrosshairnames, {1, 1, 1}}, {&F::crosshairhealth, {1, 1, 1}},      {&F::cggun, {0, 1, 1}},
    {&F::fragcounter, {1, 0, 0}},          {&F::netgraph, {0, 1, 1}},             {&F::cgthirdperson, {0, 0, 0}},
    {&F::clnoprint, {1, 1, 1}},            {&F::cgshowfps, {1, 1, 1}},            {&F::MaxFPSCombo, {55, 55, 55}},
    {&F::clrun, {1, 1, 1}},                {&F::RailGunStyleCombo, {3, 1, 0}},    {&F::PlayerPredict, {1, 1, 1}},
    {&F::loadas8bit, {1, 0, 0}},           {&F::cgfootsteps, {0, 1, 1}},          {&F::SampleRateCombo, {0, 1, 1}},
    {&F::SoundVolume, {7, 7, 7}},
};
// clang-format on

int valueOf(const Control& control) {
    if (auto* box = dynamic_cast<const CheckBox*>(&control)) return box->checked();
    if (auto* radio = dynamic_cast<const RadioButton*>(&control)) return radio->checked();
    if (auto* list = dynamic_cast<const ComboBox*>(&control)) return list->itemIndex();
    return dynamic_cast<const Slider&>(control).position();
}

// Gives the control a value other than `value`, so that a row left out shows.
void setOtherThan(Control& control, int value) {
    if (auto* box = dynamic_cast<CheckBox*>(&control)) return box->setChecked(value == 0);
    if (auto* radio = dynamic_cast<RadioButton*>(&control)) {
        for (RadioButton* button : radio->group().buttons())
            if ((button == radio) == (value == 0)) button->setChecked(true);
        return;
    }
    if (auto* list = dynamic_cast<ComboBox*>(&control)) return list->setItemIndex(value == 0);
    auto& slider = dynamic_cast<Slider&>(control);
    slider.setPosition(value == slider.min() ? slider.max() : slider.min());
}

TEST_P(PresetTest, EveryRowEndsAtItsValue) {
    chooseAccelerator(form, "3Dfx Voodoo 2");
    for (const Row& row : kRows) setOtherThan(row.control.control(form), row.value[GetParam()]);
    applyPreset(form, GetParam());
    for (const Row& row : kRows)
        EXPECT_EQ(valueOf(row.control.control(form)), row.value[GetParam()]) << nameOf(row.control);
    // The sky and flare rules ran: the dependent controls are usable only with their box.
    EXPECT_EQ(form.rdrawsun.enabled(), form.rfastsky.checked());
    EXPECT_EQ(form.rnoportals.enabled(), form.rfastsky.checked());
    EXPECT_EQ(form.FlareSizeCombo.enabled(), form.rflares.checked());
    EXPECT_EQ(form.LblFlareSize.enabled(), form.rflares.checked());
}

INSTANTIATE_TEST_SUITE_P(EveryPreset, PresetTest, ::testing::Values(kPerformance, kVisual, kBoth),
                         [](const auto& test) { return kPresetNames[test.param]; });

// Each page's panel shows the last reaction that ran on it; the railgun page shows
// the style.
using Shown = std::pair<std::string, std::string>;  // description, cvar line
const Shown kIgnoreGamma{
    "Toggles option to ignore external (not in-game) hardware gamma level "
    "setting made within Windows9x's Display Properties.",
    "r_ignorehwgamma [0/1] default: 0"};
const Shown kCurves{
    "Sets the Level-Of-Detail (LOD). An example would be the complexity of curves. "
    "High geometry detail sets r_subdivisions to 4, while low geometry detail sets "
    "it to 999.",
    "r_subdivisions [1 to 999] default: 4"};
const Shown kRun{"Toggles 'always run'. ", "cl_run [0/1] default: 1"};
const Shown kNetgraph{"Select this option to display the netgraph.", "cg_lagometer 1 default: 1"};
const Shown kEightBit{"Toggles loading sound files as 8-bit.", "s_loadas8bit [0/1] default: 1"};
const Shown kFootsteps{"Toggles player footstep sounds.", "cg_footsteps [0/1] default: 1"};

struct HelpCase {
    const char* name;
    std::vector<Preset> presets;
    Shown renderer;
    Shown client;
    const char* rail;
    Shown network;
    const char* style;  // the railgun style the last preset selected
};

struct PresetHelpTest : FormFixture, ::testing::WithParamInterface<HelpCase> {};

TEST_P(PresetHelpTest, EachPageEndsWithTheLastReactionOnIt) {
    const HelpCase& c = GetParam();
    for (Preset preset : c.presets) applyPreset(form, preset);
    EXPECT_EQ(help(kRendererPage), c.renderer);
    EXPECT_EQ(help(kClientPage), c.client);
    EXPECT_EQ(help(kRailPage).first, c.rail);
    EXPECT_EQ(help(kRailPage).second, "N/A");
    EXPECT_EQ(help(kNetworkPage), c.network);
    EXPECT_EQ(form.RailGunStyleCombo.text(), c.style);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sequences, PresetHelpTest, ::testing::Values(
    HelpCase{"PerformanceFromStartUp", {kPerformance}, kIgnoreGamma, kRun,
             "No Railgun trail.", kEightBit, "No Trail"},
    HelpCase{"VisualAfterPerformance", {kPerformance, kVisual}, kCurves, kNetgraph,
             "High intensity Railgun trail.", kFootsteps, "Beam"},
    HelpCase{"BothAfterVisual", {kVisual, kBoth}, kCurves, kRun,
             "Quake3Arena default Railgun setting.", kFootsteps, "Quake3Arena"}),
    [](const auto& test) { return test.param.name; });
// clang-format on

// The ejected-ammo position is counted from the end of the list as it is at the time.
TEST_F(FormFixture, EjectedAmmoIsCountedFromTheEndOfTheList) {
    form.cgbrasstimeCombo.addItem("extra");
    form.ApplyBestOfBothWorlds();
    EXPECT_EQ(form.cgbrasstimeCombo.text(), "1.1 secs");
}

TEST_F(FormFixture, PickingATunePresetAppliesIt) {
    chooseAccelerator(form, "3Dfx Voodoo 3");
    form.TuneCombo.userSelect(1);
    EXPECT_EQ(form.ResolutionCombo.text(), "1024x768");
    EXPECT_TRUE(form.rdynamiclight.checked());
    form.TuneCombo.userSelect(2);
    EXPECT_EQ(form.ResolutionCombo.text(), "800x600");
    EXPECT_FALSE(form.rdynamiclight.checked());
}

TEST_F(FormFixture, DefaultSettingsOrNoSelectionInTheTuneListAppliesNothing) {
    form.TuneCombo.addItem(" Default Settings");
    const States before = snapshot(form);
    auto reactions = logReactions(form);
    form.TuneCombo.userSelect(3);
    form.TuneCombo.userSelect(-1);
    EXPECT_TRUE(reactions->empty());
    form.TuneCombo.setItemIndex(0);
    EXPECT_EQ(changes(before, snapshot(form)), States{});
}

TEST_F(FormFixture, OpeningTheTuneListLeavesThePresetItemsWithoutApplyingOne) {
    for (int i = 0; i < 3; ++i) form.TuneCombo.addItem(" Default Settings");
    form.TuneCombo.setItemIndex(5);
    auto reactions = logReactions(form);
    form.SaveConfirmed = true;

    form.TuneCombo.userOpen();

    EXPECT_EQ(form.TuneCombo.items(),
              (Items{" Best Performance", " Best Visual Quality", " Best of Both Worlds"}));
    EXPECT_EQ(form.TuneCombo.itemIndex(), 0);
    EXPECT_TRUE(reactions->empty());
    EXPECT_TRUE(form.SaveConfirmed);
}

}  // namespace
}  // namespace brisko::test
