// The start-up state of the main window: generated lists, selections and states.
#include <gtest/gtest.h>

#include "config/fill_lists.h"
#include "support/form_fixture.h"

namespace brisko {
namespace {

using test::FormFixture;

struct ListCase {
    ComboBox TForm1::*control;
    int count;
    int index;          // selected index after start-up
    std::string first;  // first item
    std::string last;   // last item
    std::string shown;  // text of the selected item
};

class GeneratedListTest : public FormFixture, public ::testing::WithParamInterface<ListCase> {};

TEST_P(GeneratedListTest, HasItsItemsAndSelection) {
    const ListCase& c = GetParam();
    const ComboBox* list = &(form.*c.control);
    EXPECT_EQ(list->count(), c.count);
    EXPECT_EQ(list->itemIndex(), c.index);
    EXPECT_EQ(list->items().front(), c.first);
    EXPECT_EQ(list->items().back(), c.last);
    EXPECT_EQ(list->text(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, GeneratedListTest,
    ::testing::Values(
        ListCase{&TForm1::cgbrasstimeCombo, 17, -1, "2.0 secs", "No Ammo", ""},
        ListCase{&TForm1::HandicapCombo, 100, 0, "100", "1", "100"},
        ListCase{&TForm1::FovCombo, 24, 14, "160", "10", "90"},
        ListCase{&TForm1::MsgDisplayCombo, 6, 3, "None", "5", "3"},
        ListCase{&TForm1::MaxPacketsCombo, 73, 62, "125", "20", "30"},
        ListCase{&TForm1::MaxFPSCombo, 56, 55, "1000", "0", "0"},
        ListCase{&TForm1::FlareSizeCombo, 151, 110, "150", "0", "40"},
        ListCase{&TForm1::RateCombo, 45, 39, "90000", "2500", "3000"},
        ListCase{&TForm1::RailTrailTimeCombo, 26, 21, "2.5 secs", "No Trail", "0.4 secs"},
        ListCase{&TForm1::GammaCombo, 31, 20, "3.0", "0.0", "1.0"},
        ListCase{&TForm1::IntensityCombo, 51, 40, "5.0", "0.0", "1.0"},
        ListCase{&TForm1::ResolutionCombo, 10, 2, "400x300", "2048x1536 ", "640x480"},
        ListCase{&TForm1::TuneCombo, 3, 0, " Best Performance", " Best of Both Worlds",
                 " Best Performance"},
        ListCase{&TForm1::Accelerator, 11, 0, "Select One", "3Dfx Voodoo 3", "Select One"},
        ListCase{&TForm1::TextureModeCombo, 5, 3, "GL Nearest", "GL Linear MipMap Linear",
                 "GL Linear MipMap Nearest"},
        ListCase{&TForm1::EffectColorCombo, 7, 3, "Blue", "White", "Red"},
        ListCase{&TForm1::SampleRateCombo, 4, 1, "11 Khz", "48 Khz", "22 Khz"}),
    [](const auto& test) { return test::nameOf(test.param.control); });

TEST_F(FormFixture, RateListJumpsBetweenItsThreeRuns) {
    const auto& items = form.RateCombo.items();
    EXPECT_EQ(items[8], "12500");
    EXPECT_EQ(items[9], "10000");
    EXPECT_EQ(items[18], "5500");
    EXPECT_EQ(items[19], "5000");
    for (const std::string& item : items) {
        EXPECT_NE(item, "10001");
        EXPECT_NE(item, "5001");
    }
}

// The values of today's players stand before the first releases' lists.
TEST_F(FormFixture, TodaysValuesComeFirst) {
    using Items = std::vector<std::string>;
    const auto first = [](const ComboBox& list, std::size_t n) {
        return Items(list.items().begin(), list.items().begin() + static_cast<long>(n));
    };
    EXPECT_EQ(first(form.MaxFPSCombo, 11),
              (Items{"1000", "500", "333", "250", "200", "166", "125", "100", "85", "75", "74"}));
    EXPECT_EQ(first(form.MaxPacketsCombo, 4), (Items{"125", "100", "90", "89"}));
    EXPECT_EQ(first(form.RateCombo, 5), (Items{"90000", "50000", "30000", "25000", "22500"}));
    EXPECT_EQ(first(form.FovCombo, 19),
              (Items{"160", "155", "150", "145", "140", "135", "130", "125", "120", "115", "110",
                     "105", "100", "95", "90", "85", "80", "70", "60"}));
    EXPECT_EQ(form.SampleRateCombo.items(), (Items{"11 Khz", "22 Khz", "44 Khz", "48 Khz"}));
}

TEST_F(FormFixture, TimeListsCountInTenths) {
    EXPECT_EQ(form.cgbrasstimeCombo.item(10), "1.0 secs");
    EXPECT_EQ(form.cgbrasstimeCombo.item(15), "0.5 secs");
    EXPECT_EQ(form.RailTrailTimeCombo.item(24), "0.1 secs");
}

TEST_F(FormFixture, StartUpStates) {
    EXPECT_EQ(form.SoundVolume.position(), 7);
    EXPECT_FALSE(form.SaveConfirmed);  // cleared by the volume's reaction
    EXPECT_FALSE(form.rdrawsun.enabled());
    EXPECT_FALSE(form.rnoportals.enabled());
    EXPECT_FALSE(form.FlareSizeCombo.enabled());
    EXPECT_FALSE(form.LblFlareSize.enabled());
    EXPECT_EQ(form.Pages.front(), &form.RendererOptions);
    EXPECT_EQ(form.LblInnerWidth.caption(), "Inner Trail Width: 16");
    EXPECT_EQ(form.LblOuterWidth.caption(), "Outer Trail Width: 128");
    EXPECT_EQ(form.LblDistance.caption(), "Distance Between Coils: 64");
    EXPECT_EQ(form.RailGunStyleCombo.text(), "Quake3Arena");
    EXPECT_EQ(form.RailPictures.image(), form.PreviewPane.image());
    EXPECT_EQ(form.ImgCvarNet.image(), form.ImgDescriptRen.image());
    EXPECT_TRUE(form.rlightmaplighting.checked());
    EXPECT_TRUE(form.netgraph.checked());
    EXPECT_TRUE(form.cgdrawtimer.checked());
    EXPECT_FALSE(form.cgshowfps.checked());
    EXPECT_EQ(form.rsubdivisions.position(), 999);
    EXPECT_EQ(form.LblCurves.caption(), "Curve Detail: 999");
    EXPECT_FALSE(form.Accelerator.enabled());
    EXPECT_TRUE(form.SaveBtn.enabled());
}

TEST(FillNumberListTest, IncludesTheBoundWhenReachedAndSelectsByIndex) {
    ComboBox list("l");
    FillNumberList(list, 10, 20, Direction::Up, 5, 2);
    EXPECT_EQ(list.items(), (std::vector<std::string>{"10", "15", "20"}));
    EXPECT_EQ(list.itemIndex(), 2);

    ComboBox down("d");
    FillNumberList(down, 10, 2, Direction::Down, 3, -1);
    EXPECT_EQ(down.items(), (std::vector<std::string>{"10", "7", "4"}));
    EXPECT_EQ(down.itemIndex(), -1);
}

}  // namespace
}  // namespace brisko
