// The tune presets: their values per accelerator, their nested effects and the
// tune list itself.
#include <gtest/gtest.h>

#include "preset_test_support.h"
#include "settings/catalogue.h"
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
    {"ATi Rage Fury",     true,  10, {"No Shadows", "Stencil Buffer Shadows", "No Shadows"}, {"Default", "32-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"Intel i740",        false,  6, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"512x384", "800x600",  "640x480"}},
    {"nVidia TNT",        true,  10, {"No Shadows", "Stencil Buffer Shadows", "No Shadows"}, {"Default", "32-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"nVidia TNT 2",      true,  10, {"No Shadows", "Stencil Buffer Shadows", "No Shadows"}, {"Default", "32-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"Matrox G200",       false,  6, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"512x384", "640x480",  "640x480"}},
    {"Matrox G400",       true,  10, {"No Shadows", "Stencil Buffer Shadows", "No Shadows"}, {"Default", "32-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"3Dfx Voodoo 1",     false,  3, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"512x384", "640x480",  "640x480"}},
    {"3Dfx Voodoo 2",     false,  4, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"512x384", "800x600",  "640x480"}},
    {"3Dfx SLI Voodoo 2", false,  6, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
    {"3Dfx Voodoo 3",     false, 10, {"No Shadows", "Ordinary Shadows",       "No Shadows"}, {"Default", "16-bit", "16-bit"}, {"640x480", "1024x768", "800x600"}},
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
                         [](const auto& info) {
                             std::string name = std::get<0>(info.param).card;
                             std::erase_if(name, [](char ch) {
                                 return !std::isalnum(static_cast<unsigned char>(ch));
                             });
                             return name + "_" + kPresetNames[std::get<1>(info.param)];
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

INSTANTIATE_TEST_SUITE_P(EveryPreset, PresetTest, ::testing::Values(kPerformance, kVisual, kBoth),
                         [](const auto& info) { return kPresetNames[info.param]; });

TEST_F(FormFixture, BestPerformanceAfterBestVisualQualityRunsTheSkyAndFlareRules) {
    chooseAccelerator(form, "nVidia TNT 2");
    form.ApplyBestVisualQuality();
    ASSERT_TRUE(form.rdrawsun.checked());
    ASSERT_TRUE(form.FlareSizeCombo.enabled());

    form.ApplyBestPerformance();

    EXPECT_FALSE(form.rfastsky.checked());
    EXPECT_FALSE(form.rdrawsun.checked());
    EXPECT_FALSE(form.rdrawsun.enabled());
    EXPECT_FALSE(form.rnoportals.checked());
    EXPECT_FALSE(form.rnoportals.enabled());
    EXPECT_FALSE(form.rflares.checked());
    EXPECT_FALSE(form.FlareSizeCombo.enabled());
    EXPECT_FALSE(form.LblFlareSize.enabled());
    EXPECT_EQ(form.FlareSizeCombo.itemIndex(), 150);
    EXPECT_EQ(form.FlareSizeCombo.text(), "0");
    EXPECT_TRUE(form.fragcounter.checked());
    EXPECT_FALSE(form.netgraph.checked());
    EXPECT_TRUE(form.cgshowfps.checked());
    EXPECT_FALSE(form.cgdrawtimer.checked());
    EXPECT_TRUE(form.rvertexlight.checked());
    EXPECT_FALSE(form.rlightmaplighting.checked());
}

TEST_F(FormFixture, BestVisualQualityEnablesTheSkyBoxesBeforeSettingThem) {
    form.ApplyBestPerformance();
    ASSERT_FALSE(form.rdrawsun.enabled());
    form.ApplyBestVisualQuality();
    EXPECT_TRUE(form.rdrawsun.enabled());
    EXPECT_TRUE(form.rdrawsun.checked());
    EXPECT_TRUE(form.rnoportals.checked());
    EXPECT_TRUE(form.rlightmaplighting.checked());
    EXPECT_FALSE(form.rvertexlight.checked());
    EXPECT_EQ(form.FlareSizeCombo.text(), "40");
}

// Each page's panel shows the last reaction that ran on it; the railgun page shows
// the style.
struct HelpCase {
    const char* name;
    std::vector<Preset> presets;
    const char* renderer;
    const char* client;
    const char* rail;
    const char* network;
    const char* style;  // the railgun style the last preset selected
};

struct PresetHelpTest : FormFixture, ::testing::WithParamInterface<HelpCase> {};

TEST_P(PresetHelpTest, EachPageEndsWithTheLastReactionOnIt) {
    const HelpCase& c = GetParam();
    for (Preset preset : c.presets) applyPreset(form, preset);
    auto expected = [](const char* control) {
        const SettingHelp& help = helpOf(control);
        return std::make_pair(std::string(help.description), std::string(help.cvarLine));
    };
    EXPECT_EQ(help(kRendererPage), expected(c.renderer));
    EXPECT_EQ(help(kClientPage), expected(c.client));
    EXPECT_EQ(help(kRailPage).first, c.rail);
    EXPECT_EQ(help(kRailPage).second, "N/A");
    EXPECT_EQ(help(kNetworkPage), expected(c.network));
    EXPECT_EQ(form.RailGunStyleCombo.text(), c.style);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sequences, PresetHelpTest, ::testing::Values(
    HelpCase{"PerformanceFromStartUp", {kPerformance}, "rignorehwgamma", "clrun",
             "No Railgun trail.", "loadas8bit", "No Trail"},
    HelpCase{"VisualAfterPerformance", {kPerformance, kVisual}, "rsubdivisions", "netgraph",
             "High intensity Railgun trail.", "cgfootsteps", "Beam"},
    HelpCase{"BothAfterVisual", {kVisual, kBoth}, "rsubdivisions", "clrun",
             "Quake3Arena default Railgun setting.", "cgfootsteps", "Quake3Arena"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(FormFixture, BestPerformanceEjectsNoAmmoAndTheOthersCountFromTheEnd) {
    form.ApplyBestPerformance();
    EXPECT_EQ(form.cgbrasstimeCombo.text(), "No Ammo");
    form.ApplyBestVisualQuality();
    EXPECT_EQ(form.cgbrasstimeCombo.text(), "1.4 secs");
    form.ApplyBestOfBothWorlds();
    EXPECT_EQ(form.cgbrasstimeCombo.text(), "1.2 secs");
    // The position is counted from the end of the list as it is at the time.
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
