// Starting the game on a test map.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace brisko {

class SearchFollower;

// " +devmap " or " +map ", the map name, and " " plus the extra text when it has
// two characters or more (UTF-8 characters, not bytes).
std::string GameParameters(const std::string& map, bool cheats, const std::string& extra);

// The words the game is given for the parameters. A native engine joins its words
// with blanks and reads the double quotes itself: its words are split at blanks
// and tabs only, every quote kept, so that it sees the text as the player typed
// it. A Windows program gets a command line that Wine makes from its words,
// putting quotes around a word that holds a blank and escaping any other quote:
// its words are split at blanks and tabs outside double quotes, which are taken
// out, so that a quoted text with blanks reaches it quoted.
std::vector<std::string> GameWords(const std::string& parameters, bool windowsProgram);

// Starts the game that tests the config at `configPath` (see ChooseGame, which
// searches afresh every time, followed by `follower` when given) on its map for the test-map
// dialog's item `testMap` (none for -1), in its own folder, never through a shell, without waiting
// for it: first `+set fs_homepath HOME` where the engine is to read the config from its home, `+set
// fs_game MOD` for a mod's config, then the test's parameters as GameWords. A Windows program
// runs through wine, inside its Wine prefix when it lies in one (a folder "drive_c" on its path),
// or through Steam when it is Steam's; the ioquake3 Flatpak through flatpak. Raises "List index out
// of bounds (0)" when no game is found, "Cannot start <path>: Windows programs need Wine, which was
// not found", "Cannot start <path>: the folder name
// "<folder>" cannot be passed to the game" for a home or mod folder the game
// would read otherwise than written (a quote, ';', '+', a control character, a
// byte above 127, a comment), and "Cannot start <path>" when it cannot be started
// (or its path does not begin at the root).
void LaunchGame(Platform& platform, const std::string& configPath, int testMap, bool cheats,
                const std::string& extra, SearchFollower* follower = nullptr);

}  // namespace brisko
