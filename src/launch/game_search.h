// The searches for the games' config files and programs, with the names of the
// table of games: the drives walked, and the places programs are installed looked
// up, on the search's threads, followed by the player when a follower is given.
#pragma once

#include <string>
#include <vector>

#include "discovery/search_follower.h"
#include "launch/installed_games.h"
#include "platform/platform.h"

namespace brisko {

// The games a walk found, each list in the order of the walk.
struct GamesFound {
    std::vector<std::string> windowsGames;   // every Windows program of a game
    std::vector<std::string> nativeEngines;  // every executable named like an engine of a game
    std::vector<std::string> baseFolders;    // every folder named like a game's base folder
};

// Runs a search of `roots`, followed by `follower` when given, which tells the
// player of it by `places` (one per root); with the drives' remote mounts and the
// follower's unanswered ones. The lists it found, and whether it was stopped.
struct SearchOutcome {
    std::vector<std::vector<std::vector<std::string>>> found;
    bool stopped = false;
};
SearchOutcome RunSearch(const Drives& drives, std::vector<SearchRoot> roots, SearchSubject subject,
                        SearchFollower* follower, SearchOptions options = {});

// Empties `list`, then finds every config file on drive C: and then on each present
// drive from D: to Z:, in one search.
void FindConfigFiles(const Drives& drives, std::vector<std::string>& list);

// Every game on drive C: and then on each present drive from D: to Z:, with one
// walk of each drive for all the games' names. With a follower, the player can
// follow the search and stop it: the games are then those found so far.
GamesFound FindGamesOnDrives(const Drives& drives, SearchFollower* follower = nullptr);

// What start-up finds, in one search: the config files of every drive as
// FindConfigFiles lists them, the games on drive C:, and what is installed.
struct StartupFiles {
    std::vector<std::string> configFiles;
    GamesFound gamesOnDriveC;
    InstalledGames installed;
};
// `options` chooses how the walk runs (the benchmark times several thread counts).
// With a follower, the player can follow the search and stop it: the lists then
// hold what was found so far, in the order of the whole search.
StartupFiles FindStartupFiles(const Drives& drives, SearchOptions options = {},
                              SearchFollower* follower = nullptr);

}  // namespace brisko
