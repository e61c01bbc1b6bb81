// Save & Test: the whole save first, then the test-map dialog. The program runs
// it for the window's Save & Test button.
#pragma once

#include "config/config_save.h"
#include "dialogs/map_select.h"
#include "settings/form1.h"

namespace brisko {

class SaveAndTest {
  public:
    SaveAndTest(TForm1& form, ConfigSave& save, TMapSelect& mapSelect)
        : form_(form), save_(save), mapSelect_(mapSelect) {}

    // The reaction to SaveTestBtn: the save (an error there ends it), then the
    // test-map dialog, which starts the game, when the config was written with a
    // player name, or, when the save was declined, after asking whether to test
    // the config as it is.
    void SaveTestBtnClick();

  private:
    TForm1& form_;
    ConfigSave& save_;
    TMapSelect& mapSelect_;
};

}  // namespace brisko
