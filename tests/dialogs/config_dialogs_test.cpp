// The selection and browse dialogs on a scripted platform.
#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/browse_cfg.h"
#include "dialogs/select_config.h"
#include "support/form_fixture.h"
#include "support/temp_tree.h"

namespace brisko {
namespace {

using test::FormFixture;
using test::TempTree;

constexpr const char* kNoneSelected = "No config files selected for Brisko to modify.";

struct DialogsTest : FormFixture {
    TBrowseCfg browse{form};
    TSelectConfig select{form, browse};
    TempTree tree;
    std::vector<std::string> focus;

    void SetUp() override {
        FormFixture::SetUp();
        sp.drives.roots['C'] = tree.dir();
        for (Control* control : browse.controls())
            control->onViewFocus = [this, control] { focus.push_back(control->name()); };
    }
    std::string config(const std::string& relative, const std::string& name) {
        return tree.file(relative, "// generated\r\n// more\r\nseta name \"" + name + "\"\r\n");
    }
    // The user types a text into the path field (one change, then the key release).
    void type(const std::string& text) {
        browse.Edit1.setText(text);
        browse.Edit1.keyUp();
    }
};

TEST_F(DialogsTest, CreationCopiesTheListAndAddsTheEscapeEntry) {
    state.configFiles = {"/home/b/q3config.cfg", "/home/a/Q3CONFIG.CFG", "/home/b/q3config.cfg"};
    select.FormCreate();
    EXPECT_EQ(select.CfgFilesCombo.items(),
              (std::vector<std::string>{"/home/b/q3config.cfg", "/home/a/Q3CONFIG.CFG",
                                        "/home/b/q3config.cfg",
                                        "The config I want to modify isn't listed..."}));
    EXPECT_EQ(select.CfgFilesCombo.itemIndex(), 0);
    state.configFiles.push_back("/later.cfg");  // the copy is not refreshed
    EXPECT_EQ(select.CfgFilesCombo.count(), 4);
    EXPECT_FALSE(sp.app.requested);
}

struct WidthCase {
    int width;
    bool refused;
};

void PrintTo(const WidthCase& c, std::ostream* out) {
    *out << "width " << c.width;
}

class SelectionWidthTest : public DialogsTest, public ::testing::WithParamInterface<WidthCase> {};

TEST_P(SelectionWidthTest, NarrowScreenEndsTheProgramWithoutAWord) {
    sp.screen.screenRect = {0, 0, GetParam().width, 300};
    state.configFiles = {"/home/a/q3config.cfg"};
    select.FormCreate();
    EXPECT_EQ(sp.app.requested, GetParam().refused);
    EXPECT_EQ(select.CfgFilesCombo.count(), GetParam().refused ? 0 : 2);
    EXPECT_TRUE(sp.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Widths, SelectionWidthTest,
                         ::testing::Values(WidthCase{799, true}, WidthCase{640, true},
                                           WidthCase{800, false}, WidthCase{1920, false}));

TEST_F(DialogsTest, SelectionOkSetsTheChosenPath) {
    state.configFiles = {"/one/q3config.cfg", "/two/q3config.cfg"};
    select.FormCreate();
    select.CfgFilesCombo.userSelect(1);
    select.Button1.click();
    EXPECT_EQ(state.currentConfigPath, "/two/q3config.cfg");
    EXPECT_EQ(select.modalResult(), ModalResult::Ok);
    EXPECT_TRUE(sp.windows.modeless.empty());
}

TEST_F(DialogsTest, SelectionOkOnTheEscapeEntryOpensTheBrowseDialogWithoutWaiting) {
    state.configFiles = {"/one/q3config.cfg"};
    select.FormCreate();
    select.show();
    select.CfgFilesCombo.userSelect(1);
    select.Button1.click();
    EXPECT_FALSE(select.visible());
    EXPECT_EQ(sp.windows.modeless, std::vector<std::string>{"BrowseCfg"});
    EXPECT_TRUE(sp.windows.modal.empty());
    EXPECT_TRUE(browse.visible());
    EXPECT_EQ(state.currentConfigPath, "");
    EXPECT_EQ(select.modalResult(), ModalResult::Ok);
}

TEST_F(DialogsTest, OkIsEnabledOnlyForAnExistingFile) {
    const std::string file = config("baseq3/q3config.cfg", "x");
    type(tree.path("baseq3"));  // a folder
    EXPECT_FALSE(browse.Button2.enabled());
    type(file.substr(0, file.size() - 1));  // not yet complete
    EXPECT_FALSE(browse.Button2.enabled());
    type(file);
    EXPECT_TRUE(browse.Button2.enabled());
    type(tree.path("baseq3/missing.cfg"));
    EXPECT_FALSE(browse.Button2.enabled());
    type("");
    EXPECT_FALSE(browse.Button2.enabled());
}

TEST_F(DialogsTest, AKeyReleaseTestsThePathAgain) {
    const std::string path = tree.path("later.cfg");
    type(path);
    EXPECT_FALSE(browse.Button2.enabled());
    tree.file("later.cfg");
    browse.Edit1.keyUp();  // same text, no change: the key release alone tests it
    EXPECT_TRUE(browse.Button2.enabled());
}

TEST_F(DialogsTest, ARelativePathIsTakenFromTheWorkingFolder) {
    tree.file("rel/q3config.cfg");
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(tree.path("rel"));
    type("q3config.cfg");
    const bool enabled = browse.Button2.enabled();
    std::filesystem::current_path(before);
    EXPECT_TRUE(enabled);
}

TEST_F(DialogsTest, BrowsePutsThePickedFileIntoTheFieldAndFocusesOk) {
    const std::string file = config("picked/q3config.cfg", "x");
    sp.fileDialogs.answers.push_back(file);
    browse.Button1.click();
    ASSERT_EQ(sp.fileDialogs.requests.size(), 1u);
    const FileDialogRequest& request = sp.fileDialogs.requests[0];
    EXPECT_EQ(request.initialDir, tree.dir());  // drive C:'s root
    EXPECT_EQ(request.title, "Browse...");
    EXPECT_EQ(request.filter, "Config Files (*.cfg)|*.cfg|All Files (*.*)|*.*");
    EXPECT_EQ(request.defaultExt, "*.cfg");
    EXPECT_EQ(browse.Edit1.text(), file);
    EXPECT_TRUE(browse.Button2.enabled());
    EXPECT_EQ(focus, std::vector<std::string>{"Button2"});
}

TEST_F(DialogsTest, CancellingTheFirstBrowseLeavesTheFieldAndFocusesIt) {
    type("typed by hand");
    browse.Button1.click();  // cancelled
    EXPECT_EQ(browse.Edit1.text(), "typed by hand");
    EXPECT_EQ(focus, std::vector<std::string>{"Edit1"});
}

TEST_F(DialogsTest, CancellingALaterBrowseBringsBackTheEarlierChoice) {
    const std::string file = config("picked/q3config.cfg", "x");
    sp.fileDialogs.answers = {file, std::nullopt};
    browse.Button1.click();
    type("something else");
    EXPECT_FALSE(browse.Button2.enabled());
    browse.Button1.click();
    EXPECT_EQ(browse.Edit1.text(), file);
    EXPECT_TRUE(browse.Button2.enabled());
    EXPECT_EQ(sp.fileDialogs.requests.size(), 2u);
}

TEST_F(DialogsTest, APickedNameThatIsNoFileLeavesOkDisabled) {
    sp.fileDialogs.answers.push_back(tree.path("typed-in-dialog.cfg"));
    browse.Button1.click();
    EXPECT_EQ(browse.Edit1.text(), tree.path("typed-in-dialog.cfg"));
    EXPECT_FALSE(browse.Button2.enabled());
    EXPECT_EQ(focus, std::vector<std::string>{"Edit1"});
}

TEST_F(DialogsTest, BrowseOkUnlocksTheAcceleratorAndLoadsTheFile) {
    const std::string file = config("baseq3/q3config.cfg", "Sarge^1");
    form.UpdateHelpPanel(kRendererPage, "before", "before");
    std::vector<std::string> order;
    form.Accelerator.onViewSync = [&] { order.push_back("Accelerator"); };
    form.LblAccelerator.onViewSync = [&] { order.push_back("LblAccelerator"); };
    browse.show();
    type(file);
    browse.Button2.click();
    EXPECT_EQ(order, (std::vector<std::string>{"Accelerator", "LblAccelerator"}));
    EXPECT_TRUE(form.Accelerator.enabled());
    EXPECT_TRUE(form.LblAccelerator.enabled());
    EXPECT_EQ(
        help(kRendererPage),
        std::make_pair(std::string("Please select your 3D accelerator from the drop down list."),
                       std::string("N/A")));
    EXPECT_EQ(state.currentConfigPath, file);
    EXPECT_EQ(form.PlayerName.text(), "Sarge^1");
    EXPECT_EQ(browse.modalResult(), ModalResult::Ok);
    EXPECT_FALSE(browse.visible());
}

TEST_F(DialogsTest, AFileWithoutANameFromItsThirdLineOnLeavesThePlayerNameEmpty) {
    const std::string file =
        tree.file("q3config.cfg", "seta name \"First\"\r\nseta name \"Second\"\r\nbind x y\r\n");
    type(file);
    browse.Button2.click();
    EXPECT_EQ(form.PlayerName.text(), "");
    EXPECT_EQ(state.currentConfigPath, file);
}

// The file went away after OK was enabled: the error box, the first steps stay,
// and the dialog stays open for another path.
TEST_F(DialogsTest, AFileThatCannotBeOpenedKeepsTheDialogOpen) {
    const std::string file = config("gone/q3config.cfg", "x");
    form.PlayerName.setText("Kept");
    browse.show();
    type(file);
    std::filesystem::remove(file);
    DispatchUserEvent(sp.messages, [&] { browse.Button2.click(); });
    EXPECT_EQ(sp.messages.shown, test::Boxes{test::errorBox("Cannot open file " + file + ".")});
    EXPECT_TRUE(form.Accelerator.enabled());
    EXPECT_TRUE(form.LblAccelerator.enabled());
    EXPECT_EQ(state.currentConfigPath, file);
    EXPECT_EQ(form.PlayerName.text(), "Kept");
    EXPECT_TRUE(browse.visible());
    EXPECT_EQ(browse.modalResult(), ModalResult::None);
    EXPECT_FALSE(sp.app.requested);
}

TEST_F(DialogsTest, BrowseCancelWarnsAndEndsTheProgram) {
    browse.show();
    bool visibleDuringWarning = true;
    sp.messages.onShow = [&](const Message&) { visibleDuringWarning = browse.visible(); };
    browse.Button3.click();
    EXPECT_EQ(sp.messages.shown, test::Boxes{test::warningBox(kNoneSelected)});
    EXPECT_FALSE(visibleDuringWarning);
    EXPECT_TRUE(sp.app.requested);
    EXPECT_EQ(browse.modalResult(), ModalResult::Cancel);
    EXPECT_FALSE(form.Accelerator.enabled());
}

}  // namespace
}  // namespace brisko
