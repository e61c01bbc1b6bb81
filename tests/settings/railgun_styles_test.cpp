// The railgun styles of RailGunStyleCombo and the reactions of the three sliders.
#include <gtest/gtest.h>

#include "preset_test_support.h"
#include "support/form_fixture.h"

namespace brisko::test {
namespace {

struct StyleCase {
    int index;
    const char* colour;
    const char* duration;
    int inner, distance, outer;  // where the sliders end
    const char* description;
};

const StyleCase kStyleCases[] = {
    {0, "Red", "0.4 secs", 16, 64, 128, "Quake3Arena default Railgun setting."},
    {1, "Red", "0.5 secs", 16, 6, 128, "High intensity Railgun trail."},
    {2, "Red", "0.1 secs", 3, 2, 5, "Laser rifle - similar to the Tribes laser rifle."},
    {3, "Red", "No Trail", 1, 1, 1, "No Railgun trail."},
    {4, "White", "1.5 secs", 2, 3, 10,
     "Very narrow beam with a long trail duration, gives you a pin point as to where your shot "
     "hit, also improves visibility. Could be used to refine aim."},
    {5, "White", "2.5 secs", 8, 12, 64,
     "Large, bright beam with a long trail duration - dead give away to where any campers are "
     "situated."},
};

struct RailgunStyleTest : FormFixture, ::testing::WithParamInterface<StyleCase> {};

TEST_P(RailgunStyleTest, PickingTheStyleSetsTheRailgunPage) {
    const StyleCase& c = GetParam();
    // Start from another style so that every slider the style sets has to move.
    form.RailGunStyleCombo.userSelect(c.index == 2 ? 5 : 2);
    form.SaveConfirmed = true;

    form.RailGunStyleCombo.userSelect(c.index);

    EXPECT_FALSE(form.SaveConfirmed);  // cleared by the sliders' reactions
    EXPECT_EQ(form.RailGunStyleCombo.itemIndex(), c.index);
    EXPECT_EQ(form.EffectColorCombo.text(), c.colour);
    EXPECT_EQ(form.RailTrailTimeCombo.text(), c.duration);
    EXPECT_EQ(form.InnerWidth.position(), c.inner);
    EXPECT_EQ(form.Distance.position(), c.distance);
    EXPECT_EQ(form.OuterWidth.position(), c.outer);
    EXPECT_EQ(form.LblInnerWidth.caption(), "Inner Trail Width: " + std::to_string(c.inner));
    EXPECT_EQ(form.LblDistance.caption(), "Distance Between Coils: " + std::to_string(c.distance));
    EXPECT_EQ(form.LblOuterWidth.caption(), "Outer Trail Width: " + std::to_string(c.outer));
    EXPECT_EQ(help(kRailPage), std::make_pair(std::string(c.description), std::string("N/A")));
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, RailgunStyleTest, ::testing::ValuesIn(kStyleCases),
                         [](const auto& test) {
                             return "Style" + std::to_string(test.param.index);
                         });

// The style still rewrites the slider labels and its help.
TEST_F(FormFixture, Quake3ArenaOnAPageAtItsValuesRunsNoSliderReaction) {
    for (Label* label : {&form.LblInnerWidth, &form.LblDistance, &form.LblOuterWidth})
        label->setCaption("stale");
    form.UpdateHelpPanel(kRailPage, "stale", "stale");
    auto reactions = logReactions(form);
    form.SaveConfirmed = true;
    form.RailGunStyleCombo.userSelect(0);
    EXPECT_TRUE(reactions->empty());
    EXPECT_TRUE(form.SaveConfirmed);
    EXPECT_EQ(help(kRailPage), std::make_pair(std::string("Quake3Arena default Railgun setting."),
                                              std::string("N/A")));
    EXPECT_EQ(form.LblInnerWidth.caption(), "Inner Trail Width: 16");
    EXPECT_EQ(form.LblDistance.caption(), "Distance Between Coils: 64");
    EXPECT_EQ(form.LblOuterWidth.caption(), "Outer Trail Width: 128");
}

TEST_F(FormFixture, BeamAfterQuake3ArenaRunsOnlyDistanceChangeBeforeItsOwnHelp) {
    form.RailGunStyleCombo.userSelect(0);
    auto reactions = logReactions(form);
    auto& descriptions = record(form.LblRailDescript);
    auto& cvars = record(form.LblRailCvar);

    form.RailGunStyleCombo.userSelect(1);

    EXPECT_EQ(*reactions, std::vector<std::string>{"Distance"});
    EXPECT_EQ(descriptions, (std::vector<std::string>{
                                "Sets the distance between the coils when the Railgun is fired.",
                                "High intensity Railgun trail."}));
    EXPECT_EQ(cvars, (std::vector<std::string>{"r_railsegmentlength [value] default: 64", "N/A"}));
}

TEST_F(FormFixture, ApplyingAStyleLeavesTheStyleListAsItIs) {
    form.ApplyRailgunStyle(4);
    EXPECT_EQ(form.RailGunStyleCombo.text(), "Quake3Arena");
    EXPECT_EQ(form.EffectColorCombo.text(), "White");
}

TEST_F(FormFixture, TheStyleListWithoutASelectionDoesNothing) {
    form.InnerWidth.setPosition(40);
    form.SaveConfirmed = true;
    const States before = snapshot(form);
    form.RailGunStyleCombo.userSelect(-1);
    EXPECT_EQ(form.RailGunStyleCombo.itemIndex(), -1);
    form.RailGunStyleCombo.setItemIndex(0);  // the only difference the pick made
    EXPECT_EQ(changes(before, snapshot(form)), States{});
    EXPECT_TRUE(form.SaveConfirmed);
}

// Its label and help are the common pattern's (tested with the reactions).
TEST_F(FormFixture, MovingASliderByHandKeepsTheStyle) {
    form.RailGunStyleCombo.userSelect(1);
    form.OuterWidth.setPosition(150);
    EXPECT_EQ(form.RailGunStyleCombo.text(), "Beam");
}

}  // namespace
}  // namespace brisko::test
