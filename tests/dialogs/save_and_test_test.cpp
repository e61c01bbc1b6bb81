// Save & Test: the whole save first, then the test-map dialog or the question.
#include "dialogs/save_and_test.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "dialogs/map_select.h"
#include "support/form_fixture.h"

namespace brisko {
namespace {

namespace fs = std::filesystem;

struct SaveAndTestTest : test::FormFixture {
    fs::path dir;
    TMapSelect mapSelect{sp.platform, state};
    SaveAndTest saveTest{form, save, mapSelect};

    void SetUp() override {
        FormFixture::SetUp();
        dir = fs::temp_directory_path() /
              ("brisko_savetest_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::ofstream(dir / "q3config.cfg", std::ios::binary)
            << "// x\r\nunbindall\r\nbind w \"+forward\"\r\n";
        state.currentConfigPath = (dir / "q3config.cfg").string();
        form.SaveTestBtn.onClick = [this] { saveTest.SaveTestBtnClick(); };
    }
    void TearDown() override { fs::remove_all(dir); }

    void saveAndTest(std::initializer_list<Answer> answers) {
        sp.messages.answers.assign(answers);
        DispatchUserEvent(sp.messages, [this] { form.SaveTestBtn.click(); });
    }
    bool dialogShown() const { return !sp.windows.modal.empty(); }
};

TEST_F(SaveAndTestTest, ConfirmedSaveWithANameShowsTheDialog) {
    form.PlayerName.setText("Sarge");
    saveAndTest({Answer::Yes});
    EXPECT_TRUE(form.ConfigModified);
    EXPECT_TRUE(dialogShown());
}

TEST_F(SaveAndTestTest, ConfirmedSaveWithTheNameLeftEmptyShowsNoDialog) {
    saveAndTest({Answer::No /* name */, Answer::Yes /* confirm */});
    EXPECT_TRUE(form.ConfigModified);
    EXPECT_FALSE(dialogShown());
}

TEST_F(SaveAndTestTest, DeclinedSaveThenYesTestsTheUnmodifiedConfigEvenWithoutAName) {
    saveAndTest({Answer::No /* name */, Answer::No /* confirm */, Answer::Ok, Answer::Yes});
    EXPECT_FALSE(form.ConfigModified);
    EXPECT_EQ(sp.messages.shown.back().text, "Do you still want to test your un-modified config?");
    EXPECT_EQ(sp.messages.shown.back().kind, MessageKind::Confirmation);
    EXPECT_TRUE(dialogShown());
}

TEST_F(SaveAndTestTest, DeclinedSaveThenNoDoesNothingMore) {
    form.PlayerName.setText("Sarge");
    saveAndTest({Answer::No /* confirm */, Answer::Ok, Answer::No});
    EXPECT_FALSE(dialogShown());
}

TEST_F(SaveAndTestTest, AFailedSaveShowsNoDialog) {
    form.PlayerName.setText("Sarge");
    form.ConfigModified = true;  // from an earlier save
    state.currentConfigPath = (dir / "missing.cfg").string();
    saveAndTest({});
    EXPECT_EQ(sp.messages.texts(),
              std::vector<std::string>{"Cannot open file " + state.currentConfigPath + "."});
    EXPECT_FALSE(dialogShown());
}

TEST_F(SaveAndTestTest, ARefusedPlayerNameShowsNoDialog) {
    form.PlayerName.setText("x\"; quit");
    form.ConfigModified = true;  // from an earlier save
    saveAndTest({});
    EXPECT_EQ(sp.messages.shown.size(), 1u);
    EXPECT_FALSE(dialogShown());
}

}  // namespace
}  // namespace brisko
