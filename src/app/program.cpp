#include "app/program.h"

#include "config/load_config.h"
#include "launch/game_search.h"
#include "launch/games.h"

namespace brisko {

Program::Program(Platform& platform)
    : Form1(platform, state),
      BrowseCfg(Form1),
      SelectConfig(Form1, BrowseCfg),
      MapSelect(platform, state, &SearchProgress),
      SearchProgress(platform),
      Save(Form1),
      SaveTest(Form1, Save, MapSelect),
      platform_(platform) {
    Form1.Timer1.onTimer = [this] { Timer1Timer(); };
    Form1.SaveBtn.onClick = [this] { Save.SaveBtnClick(); };
    Form1.SaveTestBtn.onClick = [this] { SaveTest.SaveTestBtnClick(); };
}

void Program::CreateWindows() {
    const auto create = [this](const std::function<void()>& creation) {
        DispatchUserEvent(platform_.messages, creation);
    };
    create([this] { Form1Create(); });
    if (!platform_.app.terminationRequested()) {
        Form1.centreOn(platform_.screen.desktop());
        Form1.show();
    }
    create([this] { SelectConfig.FormCreate(); });
    // The test-map dialog, created after the debug window:
    create([this] { MapSelect.FormCreate(); });
}

void Program::Form1Create() {
    if (platform_.screen.screen().width < kMinimumScreenWidth) {
        ShowMessage(platform_.messages, MessageKind::Warning, Buttons::Ok,
                    "Sorry, Brisko cannot run in any resolution lower than 800x600.");
        platform_.app.requestTermination();
        return;
    }
    // The config files on every drive, the games on drive C: and what is installed,
    // in one search, followed in the progress window when it takes long. Timer1
    // starts after it: the window's events must not run phase two meanwhile.
    StartupFiles found = FindStartupFiles(platform_.drives, {}, &SearchProgress);
    state.configFiles = std::move(found.configFiles);
    Form1.Timer1.setEnabled(true);
    const bool game = FoundAGameToTest(found.gamesOnDriveC, found.installed);
    Form1.SaveTestBtn.setEnabled(game);
    Form1.SaveTestBtn.setHint(game ? "" : kNoGameFound);
    InitialiseSettingsWindow(Form1);
}

}  // namespace brisko
