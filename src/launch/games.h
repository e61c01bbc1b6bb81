// The games Save & Test can start, and which of them tests a config: the Windows
// game quake3.exe (through Wine, or Steam's through Steam), the native engines (on
// PATH, at the places distributions put them, the ioquake3 Flatpak, on the
// drives), and the engines of OpenArena and Urban Terror for their own configs.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "launch/game.h"
#include "launch/game_search.h"
#include "platform/platform.h"

namespace brisko {

// Whether the path names a regular file (or a link to one) that the user may execute.
bool IsExecutableFile(const std::string& path);

// The executables of these names in the folders of PATH: each folder in order, each
// name in the order given. Empty and relative entries of PATH are not searched.
std::vector<std::string> FindOnPath(std::span<const char* const> names);

// Why Save & Test is off when start-up found no game.
inline constexpr const char* kNoGameFound =
    "No Quake III game was found. Brisko looks for ioquake3 or Quake3e on your PATH, in "
    "/usr/lib/ioquake3, /opt/quake3 or /usr/games, or as the ioquake3 Flatpak, and for "
    "quake3.exe or an engine beside a baseq3 folder in your home folder.";

// Whether start-up enables Save & Test: a quake3.exe or a native engine on drive C:,
// or an engine on PATH, at a distribution's place or as the ioquake3 Flatpak.
bool GameToTest(const Drives& drives, const GamesFound& onDriveC);

// The game chosen for a config and what it is told.
struct GameChoice {
    enum class Kind {
        Engine,   // a native engine, started directly
        Windows,  // quake3.exe: through Steam when it is Steam's, else through Wine
        Flatpak,  // the ioquake3 Flatpak: `path` is the flatpak program
    };
    Kind kind;
    std::string path;
    std::string homePath;  // for fs_homepath, where the engine is to read the config; or none
    std::string mod;       // for fs_game, the config's mod folder; or none
    const Game* game;      // the row of the config's game
};

// The flatpak program when the application is installed (for the user or the
// system) and flatpak is on PATH; else nothing.
std::optional<std::string> FlatpakFor(const Drives& drives, const std::string& application);

// The game that tests the config at `configPath`. Nothing when no Quake III game
// is found; raises "Cannot start <config>: " and the game's own message when the
// config belongs to another game (OpenArena, Urban Terror) and it is not found. The drives are
// walked (once) only when the rules before do not decide, the walk followed by
// `follower` when given (stopped, it counts what it had found). The rules are
// those of the README's Save & Test section.
std::optional<GameChoice> ChooseGame(const Drives& drives, const std::string& configPath,
                                     SearchFollower* follower = nullptr);

}  // namespace brisko
