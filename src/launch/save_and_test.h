// Save & Test: the whole save first, then the test-map dialog. The program runs
// it for the window's Save & Test button.
#pragma once

#include <functional>

#include "settings/form1.h"

namespace brisko {

class SaveAndTest {
  public:
    // `showTestMapDialog` shows the test-map dialog, which starts the game.
    SaveAndTest(TForm1& form, std::function<void()> showTestMapDialog)
        : form_(form), showTestMapDialog_(std::move(showTestMapDialog)) {}

    // The reaction to SaveTestBtn: clicks SaveBtn (an error there ends it), then
    // shows the dialog when the config was written with a player name, or, when the
    // save was declined, after asking whether to test the config as it is.
    void SaveTestBtnClick();

  private:
    TForm1& form_;
    std::function<void()> showTestMapDialog_;
};

}  // namespace brisko
