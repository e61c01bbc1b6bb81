// Starting the game on a test map.
#pragma once

#include <string>

#include "platform/platform.h"

namespace brisko {

// " +devmap " or " +map ", the map name, and " " plus the extra text when it has
// two characters or more.
std::string GameParameters(const std::string& map, bool cheats, const std::string& extra);

// Finds quake3.exe on the drives (every time), and starts the first one found in
// its own folder with the parameters; a Windows program through wine. Does not
// wait for the game. Raises "List index out of bounds (0)" when no game is found
// and "Cannot start <path>" when it cannot be started.
void LaunchGame(Platform& platform, const std::string& map, bool cheats, const std::string& extra);

}  // namespace brisko
