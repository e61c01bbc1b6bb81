// The drive-wide searches: drive C: first, then every present drive from D: to Z:.
// Drives A: and B: are never searched.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "discovery/drive_search.h"
#include "discovery/search_directory.h"
#include "platform/platform.h"

namespace brisko {

// The Windows game, started through Wine (or Steam).
inline constexpr const char* kGameExecutable = "quake3.exe";
// The native engines that read q3config.cfg as the Windows game does, in the order
// they are preferred: ioquake3's and Quake3e's builds, then the launchers of the
// distributions. Dedicated servers are never among them.
inline constexpr std::array<const char*, 10> kNativeEngines = {
    "ioquake3", "ioquake3.x86_64",    "ioquake3.arm64", "ioquake3.x86",    "quake3e.x64",
    "quake3e",  "quake3e-vulkan.x64", "quake3e-vulkan", "quake3e.aarch64", "quake3"};
// The engines of the other games that keep a q3config.cfg.
inline constexpr std::array<const char*, 2> kOpenArenaEngines = {"openarena", "openarena.x86_64"};
inline constexpr std::array<const char*, 3> kUrbanTerrorEngines = {"Quake3-UrT.x86_64",
                                                                   "Quake3-UrT", "urbanterror"};

// The games a search found, each list in the order of the search.
struct GamesFound {
    std::vector<std::string> windowsGames;   // every "quake3.exe"
    std::vector<std::string> nativeEngines;  // every entry named like an engine of any of the games
};

// Whether the drive with this letter (either case) exists; raises "Invalid drive
// letter" for a character that is not a letter.
bool DrivePresent(const Drives& drives, char letter);

// Empties `list`, then appends the path of every entry named `name` (any case) on
// drive C: and then on each present drive from D: to Z:, in one search: a folder
// met again on a later drive (mounted there too) is not walked again.
void FindFileOnDrives(const Drives& drives, const std::string& name,
                      std::vector<std::string>& list);

// FindFileOnDrives for "q3config.cfg".
void FindConfigFiles(const Drives& drives, std::vector<std::string>& list);

// Every game on drive C: and then on each present drive from D: to Z:, with one
// walk of each drive for all the games' names. With a follower, the player can
// follow the search and stop it: the games are then those found so far.
void FindGamesOnDrives(const Drives& drives, GamesFound& games, SearchFollower* follower = nullptr);

// The start-up searches with one walk of drive C:: `configFiles` as
// FindConfigFiles leaves it, and the games on drive C: alone. `options` chooses
// how the walk runs (the benchmark times several thread counts). With a follower,
// the player can follow the search and stop it: the lists then hold what was
// found so far, in the order of the whole search.
void FindStartupFiles(const Drives& drives, std::vector<std::string>& configFiles,
                      GamesFound& gamesOnDriveC, WalkOptions options = {},
                      SearchFollower* follower = nullptr);

}  // namespace brisko
