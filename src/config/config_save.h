// Save: the settings window written to the current config file, after the
// player has confirmed it. The program runs it for the window's Save button.
#pragma once

#include "settings/form1.h"

namespace brisko {

class ConfigSave {
  public:
    explicit ConfigSave(TForm1& form) : form_(form) {}

    // The reaction to SaveBtn: refuses what cannot be written, asks unless the
    // settings were confirmed before, then writes. Sets the window's
    // SaveConfirmed and ConfigModified.
    void SaveBtnClick();
    // Asks to use "Player" when the name is empty; on No shows the name field.
    void CheckPlayerName();

  private:
    TForm1& form_;
};

}  // namespace brisko
