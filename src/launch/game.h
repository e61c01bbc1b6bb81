// The games Save & Test can start: one row each, in one table. Adding a game is
// adding its row (and its tests).
#pragma once

#include <array>
#include <span>
#include <string>

namespace brisko {

// A game's maps for the test-map dialog's items "Q3Test1", "Q3Test2", "Q3Tourney".
using TestMaps = std::array<const char*, 3>;

struct Game {
    // Its native engines, in the order they are preferred; never a dedicated server.
    std::span<const char* const> engines;
    // The folder of its own files, beside the mods' folders (any case).
    const char* baseFolder;
    // Where its native engines keep their configs, one folder per mod: "~/…" below
    // the home folder, "$XDG_CONFIG_HOME/…" below the user's configuration folder.
    std::span<const char* const> homes;
    // Those of its homes that belong to its Flatpak.
    std::span<const char* const> flatpakHomes;
    // Its Windows program (any case), started through Wine or Steam; or none.
    const char* windowsProgram;
    // Its application on Steam (for a Windows program under steamapps/common); or none.
    const char* steamApplication;
    // Its Flatpak application; or none.
    const char* flatpak;
    // Where distributions put an engine that is not on PATH, below the system's root.
    std::span<const char* const> fixedPlaces;
    TestMaps testMaps;
    // Why Save & Test starts nothing when a config of this game finds none of it;
    // none: the error of finding no game at all.
    const char* notFound;
};

// Quake III Arena first: a config that shows no other game is its.
std::span<const Game> Games();
const Game& Quake3();

// Steam's own Flatpak, through which Steam's games start when steam is not on PATH.
inline constexpr const char* kSteamFlatpak = "com.valvesoftware.Steam";

// A home of the table as a folder: "~/" below `home`, "$XDG_CONFIG_HOME/" below
// that variable when it holds an absolute path, else below `home`/.config.
std::string HomeFolder(const std::string& home, const char* entry);

}  // namespace brisko
