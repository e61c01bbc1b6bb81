// Starting the game on a test map.
#pragma once

#include <string>

#include "platform/platform.h"

namespace brisko {

// " +devmap " or " +map ", the map name, and " " plus the extra text when it has
// two characters or more (UTF-8 characters, not bytes).
std::string GameParameters(const std::string& map, bool cheats, const std::string& extra);

// " +set fs_game FOLDER" when the folder that holds the config is a mod's (any
// name but baseq3, in any case), so that the game reads that config; else empty.
std::string ModParameters(const std::string& configPath);

// Starts the game that tests the config at `configPath` (see ChooseGame, which
// searches afresh every time) in its own folder, with the mod's and the test's
// parameters split into words, never through a shell; a Windows program through
// wine, inside its Wine prefix when it lies in one (a folder "drive_c" on its path).
// Does not wait for the game. Raises "List index out of bounds (0)" when no game is
// found, "Cannot start <path>: Windows programs need Wine, which was not found" and
// "Cannot start <path>" when it cannot be started.
void LaunchGame(Platform& platform, const std::string& configPath, const std::string& map,
                bool cheats, const std::string& extra);

}  // namespace brisko
