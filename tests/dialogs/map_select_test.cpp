// The test-map dialog and Brisko.ini, on real files in a temporary XDG_CONFIG_HOME.
#include "dialogs/map_select.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/qt/qt_platform.h"
#include "support/scoped_env.h"
#include "support/scripted_platform.h"

namespace brisko {
namespace {

namespace fs = std::filesystem;

struct MapSelectTest : ::testing::Test {
    fs::path home;
    std::string savedXdg;
    bool hadXdg = false;
    test::ScriptedPlatform sp;
    test::ScopedEnv path{"PATH", ""};  // no native engine but the drives'
    ProgramState state;
    std::unique_ptr<qt::IniProfile> ini;
    std::unique_ptr<Platform> platform;

    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');  // parameterised names hold a '/'
        home =
            fs::temp_directory_path() / ("brisko_ini_" + std::to_string(::getpid()) + "_" + name);
        fs::remove_all(home);
        fs::create_directories(home);
        if (const char* xdg = std::getenv("XDG_CONFIG_HOME")) {
            hadXdg = true;
            savedXdg = xdg;
        }
        useConfigHome(home);
    }
    void TearDown() override {
        if (hadXdg)
            ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(home);
    }
    // An engine beside its base folder on drive C:, which Save & Test starts.
    void gameOnDriveC() {
        const fs::path c = home / "c";
        fs::create_directories(c / "ioq3" / "baseq3");
        std::ofstream(c / "ioq3" / "ioquake3") << "#!/bin/sh\n";
        fs::permissions(c / "ioq3" / "ioquake3", fs::perms::owner_all);
        sp.drives.roots['C'] = c.string() + "/";
    }
    void useConfigHome(const fs::path& dir) {
        ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
        ini = std::make_unique<qt::IniProfile>();
        platform = std::make_unique<Platform>(Platform{sp.messages, sp.fileDialogs, sp.screen,
                                                       sp.drives, sp.processors, sp.processes, *ini,
                                                       sp.app, sp.windows});
    }
    fs::path iniPath() const { return home / "Brisko" / "Brisko.ini"; }
    void writeIni(const std::string& body) {
        fs::create_directories(iniPath().parent_path());
        std::ofstream(iniPath()) << body;
    }
    // Creates the dialog as start-up does, errors shown as the event loop shows them.
    std::unique_ptr<TMapSelect> create() {
        auto dialog = std::make_unique<TMapSelect>(*platform, state);
        DispatchUserEvent(sp.messages, [&] { dialog->FormCreate(); });
        return dialog;
    }
};

// Every control of the dialog in its order, with its caption (a list: its items; a
// field: its text) and whether it is enabled.
TEST_F(MapSelectTest, ControlsAndSize) {
    // clang-format off
    const std::tuple<std::string, std::string, bool> controls[] = {
        {"Image1", "", true}, {"Label2", "Please select a map with which you want to test your modified config.", true},
        {"Label1", "Test Map:", true}, {"MapSelectCombo", "Q3Test1|Q3Test2|Q3Tourney", true}, {"Cheats", "Enable Cheats", true},
        {"Button3", "More >>", true}, {"Button1", "&OK", true}, {"Button2", "&Cancel", true},
        {"Label3", "Additional Parameters:", true}, {"txtParameters", "", false}};
    // clang-format on
    auto dialog = create();
    EXPECT_EQ(dialog->caption(), "Select Test Map");
    EXPECT_EQ(dialog->clientWidth(), 402);
    EXPECT_EQ(dialog->clientHeight(), 115);
    ASSERT_EQ(dialog->controls().size(), std::size(controls));
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const Control& c = *dialog->controls()[i];
        std::string text;
        if (auto* label = dynamic_cast<const Label*>(&c)) text = label->caption();
        if (auto* button = dynamic_cast<const Button*>(&c)) text = button->caption();
        if (auto* box = dynamic_cast<const CheckBox*>(&c)) text = box->caption();
        if (auto* field = dynamic_cast<const TextField*>(&c)) text = field->text();
        if (auto* list = dynamic_cast<const ComboBox*>(&c))
            for (const std::string& item : list->items()) text += (text.empty() ? "" : "|") + item;
        EXPECT_EQ(std::tuple(c.name(), text, c.enabled()), controls[i]);
    }
}

TEST_F(MapSelectTest, WithoutIniTheFirstMapAndNoCheats) {
    auto dialog = create();
    EXPECT_EQ(dialog->MapSelectCombo.itemIndex(), 0);
    EXPECT_FALSE(dialog->Cheats.checked());
    EXPECT_TRUE(sp.messages.shown.empty());
    EXPECT_FALSE(fs::exists(iniPath()));
}

struct IniCase {
    const char* body;
    int map;
    bool cheats;
    const char* error;  // "" for none
};

class IniReadTest : public MapSelectTest, public ::testing::WithParamInterface<IniCase> {};

TEST_P(IniReadTest, ReadsTheChoice) {
    const IniCase& c = GetParam();
    writeIni(c.body);
    auto dialog = create();
    EXPECT_EQ(dialog->MapSelectCombo.itemIndex(), c.map);
    EXPECT_EQ(dialog->Cheats.checked(), c.cheats);
    if (*c.error) {
        ASSERT_EQ(sp.messages.shown.size(), 1u);
        EXPECT_EQ(sp.messages.shown[0].caption, "Brisko");
        EXPECT_EQ(sp.messages.shown[0].text, c.error);
    } else {
        EXPECT_TRUE(sp.messages.shown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadTest,
    ::testing::Values(IniCase{"[Brisko]\nTestMap=2\nCheats=1\n", 2, true, ""},
                      IniCase{"[Brisko]\nTestMap=1\nCheats=2\n", 1, false, ""},
                      IniCase{"[Brisko]\nCheats=1\n", 0, true, ""},  // missing key: "0"
                      IniCase{"[Other]\nX=1\n", 0, false, ""},
                      IniCase{"[Brisko]\nTestMap=5\nCheats=0\n", -1, false, ""},
                      IniCase{"[Brisko]\nTestMap=-1\n", -1, false, ""},
                      IniCase{"[Brisko]\nTestMap=abc\nCheats=1\n", -1, false,
                              "'abc' is not a valid integer value."},
                      IniCase{"[Brisko]\nTestMap=\nCheats=1\n", -1, false,
                              "'' is not a valid integer value."},
                      IniCase{"[Brisko]\nTestMap=2\nCheats=yes\n", 2, false,
                              "'yes' is not a valid integer value."}));

TEST_F(MapSelectTest, OkWritesTheChoiceAndTheNextStartReadsIt) {
    auto dialog = create();
    dialog->MapSelectCombo.userSelect(2);
    dialog->Cheats.setChecked(true);
    DispatchUserEvent(sp.messages, [&] { dialog->Button1.click(); });
    // No game on the drives: the launch fails after the file was written.
    ASSERT_EQ(sp.messages.texts(), std::vector<std::string>{"List index out of bounds (0)."});
    EXPECT_EQ(dialog->modalResult(), ModalResult::Ok);

    sp.messages.shown.clear();
    auto next = create();
    EXPECT_EQ(next->MapSelectCombo.itemIndex(), 2);
    EXPECT_TRUE(next->Cheats.checked());
}

TEST_F(MapSelectTest, OkWithoutAMapStoresMinusOneAndStartsTheBareMapCommand) {
    writeIni("[Brisko]\nTestMap=5\n");
    auto dialog = create();
    gameOnDriveC();
    dialog->Button1.click();
    ASSERT_EQ(sp.processes.started.size(), 1u);
    EXPECT_EQ(sp.processes.started[0].args, std::vector<std::string>{"+map"});
    EXPECT_EQ(ini->read("Brisko", "TestMap", "?"), "-1");
    EXPECT_EQ(ini->read("Brisko", "Cheats", "?"), "0");
}

TEST_F(MapSelectTest, AnUnwritableIniStopsTheLaunch) {
    const fs::path file = home / "a-file";
    std::ofstream(file) << "x";
    useConfigHome(file);  // the Brisko folder would have to be below a regular file
    auto dialog = create();
    gameOnDriveC();
    DispatchUserEvent(sp.messages, [&] { dialog->Button1.click(); });
    EXPECT_EQ(sp.messages.texts(),
              std::vector<std::string>{"Unable to write to " +
                                       (file / "Brisko" / "Brisko.ini").string() + "."});
    EXPECT_TRUE(sp.processes.started.empty());
    EXPECT_EQ(dialog->modalResult(), ModalResult::Ok);
}

TEST_F(MapSelectTest, CancelWritesAndStartsNothing) {
    auto dialog = create();
    dialog->MapSelectCombo.userSelect(1);
    dialog->Button2.click();
    EXPECT_EQ(dialog->modalResult(), ModalResult::Cancel);
    EXPECT_FALSE(fs::exists(iniPath()));
    EXPECT_TRUE(sp.processes.started.empty());
    EXPECT_EQ(dialog->MapSelectCombo.itemIndex(), 1);  // kept for the next Save & Test
}

TEST_F(MapSelectTest, MoreAndLessResizeAndKeepTheText) {
    auto dialog = create();
    const int height = dialog->height();
    dialog->Button3.click();
    EXPECT_EQ(dialog->height(), height + 36);
    EXPECT_EQ(dialog->Button3.caption(), "<< Less");
    EXPECT_TRUE(dialog->txtParameters.enabled());
    dialog->txtParameters.setText("+set x 1");
    dialog->Button3.click();
    EXPECT_EQ(dialog->height(), height);
    EXPECT_EQ(dialog->Button3.caption(), "More >>");
    EXPECT_FALSE(dialog->txtParameters.enabled());
    EXPECT_EQ(dialog->txtParameters.text(), "+set x 1");

    gameOnDriveC();
    dialog->Button1.click();  // the collapsed text is still passed
    ASSERT_EQ(sp.processes.started.size(), 1u);
    EXPECT_EQ(sp.processes.started[0].args,
              (std::vector<std::string>{"+map", "q3dm7", "+set", "x", "1"}));
}

TEST_F(MapSelectTest, ShownCentredAndModal) {
    auto dialog = create();
    sp.screen.desktopRect = {0, 0, 1000, 700};
    ShowTestMapDialog(*dialog, *platform);
    EXPECT_EQ(sp.windows.modal, std::vector<std::string>{"MapSelect"});
    EXPECT_EQ(dialog->left(), (1000 - dialog->width()) / 2);
    EXPECT_EQ(dialog->top(), (700 - dialog->height()) / 2);
}

}  // namespace
}  // namespace brisko
