// The searches of the drives for the games' config files and programs, with the
// names of the table of games, followed by the player when a follower is given.
#pragma once

#include <string>
#include <vector>

#include "discovery/search_follower.h"
#include "platform/platform.h"
#include "settings/program_state.h"

namespace brisko {

// Empties `list`, then finds every config file on drive C: and then on each present
// drive from D: to Z:, in one search.
void FindConfigFiles(const Drives& drives, std::vector<std::string>& list);

// Every game on drive C: and then on each present drive from D: to Z:, with one
// walk of each drive for all the games' names. With a follower, the player can
// follow the search and stop it: the games are then those found so far.
void FindGamesOnDrives(const Drives& drives, GamesFound& games, SearchFollower* follower = nullptr);

// The start-up searches with one walk of drive C:: `configFiles` as
// FindConfigFiles leaves it, and the games on drive C: alone. `options` chooses
// how the walk runs (the benchmark times several thread counts; the drives' remote
// mounts and the follower's unanswered ones are added). With a follower, the player
// can follow the search and stop it: the lists then hold what was found so far, in
// the order of the whole search.
void FindStartupFiles(const Drives& drives, std::vector<std::string>& configFiles,
                      GamesFound& gamesOnDriveC, SearchOptions options = {},
                      SearchFollower* follower = nullptr);

}  // namespace brisko
