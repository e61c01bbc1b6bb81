// Which game tests a config, by the rules of the README's Save & Test section,
// and whether start-up found a game to test with. The rules look at what searches
// found (on their threads, followed by the player), never at the file system.
#pragma once

#include <optional>
#include <string>

#include "launch/game.h"
#include "launch/game_search.h"
#include "launch/installed_games.h"
#include "platform/platform.h"

namespace brisko {

// Why Save & Test is off when start-up found no game.
inline constexpr const char* kNoGameFound =
    "No Quake III game was found. Brisko looks for ioquake3 or Quake3e on your PATH, in "
    "/usr/lib/ioquake3, /opt/quake3 or /usr/games, or as the ioquake3 Flatpak, and for "
    "quake3.exe or an engine beside a baseq3 folder in your home folder.";

// Whether start-up found a game that Save & Test can start: a Windows program or a
// native engine beside its base folder on drive C:, or an engine or Flatpak installed.
bool FoundAGameToTest(const GamesFound& onDriveC, const InstalledGames& installed);

// The game chosen for a config and what it is told.
struct GameChoice {
    enum class Kind {
        Engine,   // a native engine, started directly
        Windows,  // a Windows program: through Steam when it is Steam's, else through Wine
        Flatpak,  // the game's Flatpak: `path` is the flatpak program
    };
    Kind kind;
    std::string path;
    std::string homePath;      // for fs_homepath, where the engine is to read the config; or none
    std::string mod;           // for fs_game, the config's mod folder; or none
    const Game* game;          // the row of the config's game
    InstalledGames installed;  // what starts it: wine, steam, flatpak
};

// The game that tests the config at `configPath`. What the rules look at is
// looked up first, and the drives walked (once) only when the rules before do not
// decide, each search followed by `follower` when given. A search the player
// stops ends it as finding nothing does, except that the drives' walk counts what
// it had found. Nothing when no Quake III game is found; raises "Cannot start
// <config>: " and the game's own message when the config belongs to another game
// (OpenArena, Urban Terror) and it is not found.
std::optional<GameChoice> ChooseGame(const Drives& drives, const std::string& configPath,
                                     SearchFollower* follower = nullptr);

}  // namespace brisko
