// The program: its windows, created in a fixed order, and the two start-up phases.
// Phase one runs while the main window is created: the screen check, the search of
// the drives and the settings' start-up state. Phase two runs on the first tick of
// Timer1, once the event loop runs: the choice of the config file to modify.
#pragma once

#include "config/config_save.h"
#include "dialogs/browse_cfg.h"
#include "dialogs/map_select.h"
#include "dialogs/save_and_test.h"
#include "dialogs/search_progress.h"
#include "dialogs/select_config.h"
#include "platform/platform.h"
#include "settings/form1.h"
#include "settings/program_state.h"

namespace brisko {

class Program {
  public:
    static constexpr const char* kTitle = "Brisko";

    // The program's progress window follows its long searches.
    explicit Program(Platform& platform);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Runs the windows' creation in order: the main window (phase one, then it is
    // shown unless the program is ending), the selection dialog, the test-map
    // dialog. An error raised in one is shown in the "Brisko" error box and
    // creation goes on with the next.
    void CreateWindows();

    // Phase one, run as the main window is created.
    void Form1Create();
    // Phase two, the reaction to Timer1; it disables the timer first, so it runs once.
    void Timer1Timer();

    ProgramState state;

    // The windows in their order of creation. The status window and the debug
    // window are never shown and take no part in start-up, so they are not made.
    TForm1 Form1;
    TBrowseCfg BrowseCfg;
    TSelectConfig SelectConfig;
    // The test-map dialog comes after the debug window in the order of creation.
    TMapSelect MapSelect;
    // Shown only while a search of the drives takes long.
    TSearchProgress SearchProgress;

    // The operations of the main window's Save and Save & Test buttons.
    ConfigSave Save;
    SaveAndTest SaveTest;

  private:
    Platform& platform_;
};

}  // namespace brisko
