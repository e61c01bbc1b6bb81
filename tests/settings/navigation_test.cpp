// Page switching by node, the help panels, and the window-geometry repair.
#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace brisko {
namespace {

using test::FormFixture;

TEST_F(FormFixture, EachNodeShowsThePageOfItsCaption) {
    const std::pair<int, Page*> cases[] = {
        {1, &form.RendererOptions},  // "Renderer Options"
        {2, &form.RailGunOptions},  {3, &form.NetworkOptions},
        {0, &form.ClientSettings},  // the root "Client Settings"
        {1, &form.RendererOptions},
    };
    for (auto [node, page] : cases) {
        form.TreeView1.select(node);
        EXPECT_EQ(form.Pages.front(), page) << "node " << node;
    }
}

TEST_F(FormFixture, TreeStartsDisabledCollapsedWithFourNodes) {
    EXPECT_FALSE(form.TreeView1.enabled());
    EXPECT_FALSE(form.TreeView1.expanded());
    ASSERT_EQ(form.TreeView1.nodes().size(), 4u);
    EXPECT_EQ(form.TreeView1.nodes()[0].caption, "Client Settings");
    EXPECT_EQ(form.TreeView1.nodes()[3].caption, "Network/Sound");
    EXPECT_EQ(form.TreeView1.nodes()[3].parent, 0);
}

TEST_F(FormFixture, UpdateHelpPanelWritesItsPageOnlyAndIgnoresOtherCodes) {
    form.UpdateHelpPanel(kRailPage, "d", "c");
    EXPECT_EQ(help(kRailPage), std::make_pair(std::string("d"), std::string("c")));
    EXPECT_EQ(form.Pages.front(), &form.RendererOptions);  // not brought forward

    auto before = std::vector{help(0), help(1), help(2), help(3)};
    form.UpdateHelpPanel(4, "x", "y");
    form.UpdateHelpPanel(255, "x", "y");
    EXPECT_EQ(before, (std::vector{help(0), help(1), help(2), help(3)}));
}

TEST_F(FormFixture, InitialHelpTexts) {
    EXPECT_EQ(help(kRendererPage).first,
              "Please select your 3D accelerator from the drop down list.");
    EXPECT_EQ(help(kClientPage),
              std::make_pair(std::string("No description for this object."), std::string()));
    EXPECT_EQ(help(kRailPage), std::make_pair(std::string("Quake3Arena default Railgun setting."),
                                              std::string("N/A")));
    EXPECT_EQ(help(kNetworkPage), std::make_pair(std::string("Sets the game sounds volume level."),
                                                 std::string("s_volume [0 to 1] default: 0.7")));
}

TEST_F(FormFixture, WindowIsSizedToThePagesAndButtons) {
    EXPECT_EQ(form.width(), 700);
    EXPECT_EQ(form.clientHeight(), 459);
    EXPECT_EQ(form.clientWidth(), 694);
}

struct FitCase {
    int left;
    int expectedLeft;
};

TEST_F(FormFixture, FitWindowCentresAWindowOnTheRightEdgeOnly) {
    ASSERT_EQ(sp.screen.screenRect.width, 1024);
    for (FitCase c : {FitCase{324, (1024 - 700) / 2}, FitCase{100, 100}}) {
        form.moveTo(c.left, 10);
        form.FormClick();
        EXPECT_EQ(form.left(), c.expectedLeft) << "from " << c.left;
    }
}

TEST_F(FormFixture, FitWindowRepairsAWindowAsWideAsTheScreen) {
    sp.screen.screenRect = {0, 0, 800, 600};
    sp.screen.desktopRect = {0, 0, 800, 570};
    form.setState(WindowState::Maximized);
    form.setBounds(0, 0, 800, 600);
    form.RendererOptions.onClick();
    EXPECT_EQ(form.state(), WindowState::Normal);
    EXPECT_EQ(form.width(), 700);
    EXPECT_EQ(form.clientHeight(), 459);
    EXPECT_EQ(form.left(), 50);
    EXPECT_EQ(form.top(), (570 - form.height()) / 2);
}

TEST_F(FormFixture, RailPageHasNoClickReaction) {
    EXPECT_FALSE(form.RailGunOptions.onClick);
    EXPECT_TRUE(form.ClientSettings.onClick);
    EXPECT_TRUE(form.NetworkOptions.onClick);
}

}  // namespace
}  // namespace brisko
