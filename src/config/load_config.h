// The settings window's state from the config side: its start-up state before
// any config is chosen, and what it takes from the chosen config file.
#pragma once

#include <string>

#include "settings/form1.h"

namespace brisko {

// The start-up state of every setting, before any config file is chosen.
void InitialiseSettingsWindow(TForm1& form);

// Reads the config file at `path`: only the player name is taken from it.
void LoadConfig(TForm1& form, const std::string& path);

}  // namespace brisko
