// The questions of a save and what each answer leads to.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "config/cvar_reader.h"
#include "writer_support.h"

namespace brisko::test {
namespace {

const std::string kOld = "// old\r\nunbindall\r\nbind w \"+forward\"\r\nseta name \"Old\"\r\n";
const std::string kEmptyName =
    "You have not entered a player name. Do you want Brisko to modify this setting?\n\r"
    "Choosing 'Yes' will set your player name to 'Player'. Choosing 'No' will allow you to "
    "modify your player name.";
const std::string kUnwritableName =
    "Player names cannot contain double quotes, backslashes, semicolons or control characters, "
    "nor be longer than 255 characters. Please change your player name.";

struct SaveFlow : WriterFixture {
    int nameFocused = 0;
    void SetUp() override {
        WriterFixture::SetUp();
        useConfig(kOld);
        form.PlayerName.onViewFocus = [this] { ++nameFocused; };
        form.Pages.bringToFront(form.RendererOptions);
    }
    std::string confirmation() const {
        return "You are about to modify: '" + config + "'. Are you sure you want to continue?";
    }
    std::string writtenName() const {
        std::string name = "(none)";
        ReadCvarValue(SplitLines(readBytes(config)), 6, 4, "name", name);
        return name;
    }
};

// The empty-name question comes before the confirmation: Yes writes "Player";
// No brings the field to the front and writes the empty name.
struct EmptyNameCase {
    Answer answer;
    const char* written;
    Page TForm1::*page;
    int focused;
};

class EmptyName : public SaveFlow, public ::testing::WithParamInterface<EmptyNameCase> {};

TEST_P(EmptyName, IsAskedBeforeTheConfirmation) {
    sp.messages.answers = {GetParam().answer, Answer::Yes};
    save();
    EXPECT_EQ(sp.messages.shown,
              (Boxes{confirmationBox(kEmptyName), confirmationBox(confirmation())}));
    EXPECT_EQ(form.PlayerName.text(), GetParam().written);
    EXPECT_EQ(writtenName(), GetParam().written);
    EXPECT_EQ(form.Pages.front(), &(form.*GetParam().page));
    EXPECT_EQ(nameFocused, GetParam().focused);
    EXPECT_TRUE(form.ConfigModified);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, EmptyName,
    ::testing::Values(EmptyNameCase{Answer::Yes, "Player", &TForm1::RendererOptions, 0},
                      EmptyNameCase{Answer::No, "", &TForm1::ClientSettings, 1}),
    [](const auto& test) { return test.param.answer == Answer::Yes ? "Yes" : "No"; });

TEST_F(SaveFlow, NoToTheConfirmationTouchesNothing) {
    form.PlayerName.setText("Tester");
    form.ConfigModified = true;
    sp.messages.answers = {Answer::No};
    save();
    EXPECT_EQ(sp.messages.shown,
              (Boxes{confirmationBox(confirmation()), informationBox("File not modified.")}));
    EXPECT_FALSE(form.ConfigModified);
    EXPECT_FALSE(form.SaveConfirmed);
    EXPECT_EQ(readBytes(config), kOld);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"q3config.cfg"});
}

TEST_F(SaveFlow, ConfirmedSaveAsksNothing) {
    form.PlayerName.setText("Tester");
    form.SaveConfirmed = true;
    save();
    EXPECT_EQ(boxes(), std::vector<std::string>{});
    EXPECT_TRUE(form.ConfigModified);
    EXPECT_EQ(writtenName(), "Tester");
}

TEST_F(SaveFlow, SecondSaveWithNothingChangedAsksNothingAndKeepsTheBackup) {
    form.PlayerName.setText("Tester");
    sp.messages.answers = {Answer::Yes};
    save();
    const std::string first = readBytes(config);
    writeBytes(backup(), "kept");
    save();
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_EQ(readBytes(backup()), "kept");
    // Binds from line 3 of the first written file on: the same file again.
    EXPECT_EQ(readBytes(config), first);
}

TEST_F(SaveFlow, SettingsThatKeepTheConfirmationAskNothing) {
    form.PlayerName.setText("Tester");
    sp.messages.answers = {Answer::Yes};
    save();
    form.TextureSizeCombo.userSelect(3);
    form.TextureModeCombo.userSelect(0);
    form.ComboModel.userSelect(1);
    save();
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_NE(readBytes(config).find("seta r_picmip \"3\"\r\n"), std::string::npos);

    form.rdynamiclight.toggle();
    sp.messages.answers = {Answer::Yes};
    save();
    EXPECT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes().back(), confirmation());
}

TEST_F(SaveFlow, NameTypedWithBlanksIsNotEmpty) {
    form.PlayerName.setText("  ");
    sp.messages.answers = {Answer::Yes};
    save();
    EXPECT_EQ(boxes(), std::vector<std::string>{confirmation()});
    EXPECT_EQ(writtenName(), "  ");
}

// Names that the game would not read back as they are.
struct NameCase {
    const char* title;
    std::string name;
};

class UnwritableName : public SaveFlow, public ::testing::WithParamInterface<NameCase> {};

TEST_P(UnwritableName, IsRefusedBeforeAnythingIsAskedOrWritten) {
    form.PlayerName.setText(GetParam().name);
    form.SaveConfirmed = false;
    form.ConfigModified = true;
    sp.messages.answers = {Answer::Yes};
    save();
    EXPECT_EQ(sp.messages.shown, Boxes{warningBox(kUnwritableName)});
    EXPECT_EQ(form.Pages.front(), &form.ClientSettings);
    EXPECT_EQ(nameFocused, 1);
    EXPECT_FALSE(form.SaveConfirmed);
    EXPECT_TRUE(form.ConfigModified);
    EXPECT_EQ(readBytes(config), kOld);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"q3config.cfg"});
}

INSTANTIATE_TEST_SUITE_P(Names, UnwritableName,
                         ::testing::Values(NameCase{"Quote", "x\"; seta rcon_password \"pwned"},
                                           NameCase{"QuitCommand", "\"a\";quit;\""},
                                           NameCase{"Backslash", "a\\b"},
                                           NameCase{"Semicolon", "a;b"}, NameCase{"Tab", "a\tb"},
                                           NameCase{"Escape", "a\x1b[0m"},
                                           NameCase{"Delete", "a\x7f"},
                                           NameCase{"TooLong", std::string(256, 'x')}),
                         [](const auto& test) { return std::string(test.param.title); });

class WritableName : public SaveFlow, public ::testing::WithParamInterface<NameCase> {};

TEST_P(WritableName, IsWrittenByteForByte) {
    form.PlayerName.setText(GetParam().name);
    form.SaveConfirmed = true;
    save();
    EXPECT_EQ(boxes(), std::vector<std::string>{});
    EXPECT_NE(readBytes(config).find("\r\nseta name \"" + GetParam().name + "\"\r\n"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Names, WritableName,
                         ::testing::Values(NameCase{"Colours", "^1Sarge^7 Fan"},
                                           NameCase{"Latin1", "Caf\xe9"},
                                           NameCase{"Utf8", "Caf\xc3\xa9"},
                                           NameCase{"Punctuation", "a$b /c'//{}"},
                                           NameCase{"Longest", std::string(255, 'x')}),
                         [](const auto& test) { return std::string(test.param.title); });

TEST_F(SaveFlow, NameReadFromTheFileIsWrittenBackAsRead) {
    useConfig("1\r\n2\r\nseta name \"\xff\xfe^3X\"\r\n");
    LoadConfig(form, config);
    form.SaveConfirmed = true;
    save();
    EXPECT_EQ(writtenName(), "\xff\xfe^3X");
}

// The confirmation's details: the settings whose value changes, in file order,
// and the size of a file the 1.32 release would not read.
TEST_F(SaveFlow, ConfirmationDetailsTheChangedSettingsAndTheSize) {
    useConfig(kOld + "seta fov \"110\"\r\nseta cg_fov \"90\"\r\nset r_picmip 0 // sharp\r\n" +
              "seta cl_pad \"" + std::string(17000, 'x') + "\"\r\n");
    form.PlayerName.setText("Tester");
    sp.messages.answers = {Answer::Yes};
    save();
    ASSERT_EQ(boxes(), std::vector<std::string>{confirmation()});
    std::vector<std::string> details;
    std::istringstream text(sp.messages.shown[0].details);
    for (std::string line; std::getline(text, line);) details.push_back(line);

    const auto at = [&](const std::string& line) {
        return std::find(details.begin(), details.end(), line) - details.begin();
    };
    const auto fov = at("fov: 110 \u2192 90"), name = at("name: Old \u2192 Tester");
    EXPECT_LT(at("r_picmip: 0 \u2192 1"), fov);
    EXPECT_LT(fov, at("com_maxfps: (not set) \u2192 0"));
    EXPECT_LT(at("com_maxfps: (not set) \u2192 0"), name);
    EXPECT_LT(name, static_cast<std::ptrdiff_t>(details.size()));
    EXPECT_EQ(std::count_if(details.begin(), details.end(),
                            [](const std::string& line) { return line.starts_with("cg_fov:"); }),
              0);
    EXPECT_EQ(details.back(), "The new file is " + std::to_string(readBytes(config).size()) +
                                  " bytes: the 1.32 release of the game reads no config larger "
                                  "than 16 KB (Quake3e 64 KB, ioquake3 128 KB).");
}

struct ListCase {
    ComboBox TForm1::*control;
    const char* title;
};

class ListWithoutSelection : public SaveFlow, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ListWithoutSelection, IsRefusedBeforeTheFileIsRead) {
    ComboBox* list = &(form.*GetParam().control);
    int listFocused = 0;
    list->onViewFocus = [&listFocused] { ++listFocused; };
    list->setItemIndex(-1);
    form.PlayerName.setText("");
    form.Pages.bringToFront(form.NetworkOptions);
    state.currentConfigPath = folder.path("missing.cfg");  // reading it would fail
    form.SaveConfirmed = true;
    form.ConfigModified = false;

    save();

    EXPECT_EQ(sp.messages.shown, Boxes{warningBox(std::string("Please select a value for ") +
                                                  GetParam().title + " before saving.")});
    EXPECT_EQ(form.Pages.front(), &form.RendererOptions);
    EXPECT_EQ(listFocused, 1);
    EXPECT_TRUE(form.SaveConfirmed);
    EXPECT_FALSE(form.ConfigModified);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"q3config.cfg"});
}

INSTANTIATE_TEST_SUITE_P(Lists, ListWithoutSelection,
                         ::testing::Values(ListCase{&TForm1::ShadowCombo,
                                                    "Type of shadow to render"},
                                           ListCase{&TForm1::ResolutionCombo, "Resolution"}),
                         [](const auto& test) { return nameOf(test.param.control); });

}  // namespace
}  // namespace brisko::test
