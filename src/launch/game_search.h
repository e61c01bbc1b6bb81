// The searches for the games' config files and programs, with the names of the
// table of games: the drives walked, and the places programs are installed looked
// up, on the search's threads, followed by the player when a follower is given.
#pragma once

#include <string>
#include <vector>

#include "discovery/folder_search.h"
#include "launch/installed_games.h"
#include "platform/platform.h"

namespace brisko {

// The games a walk found, each list in the order of the walk.
struct GamesFound {
    std::vector<std::string> windowsGames;   // every Windows program of a game
    std::vector<std::string> nativeEngines;  // every executable named like an engine of a game
    std::vector<std::string> baseFolders;    // every folder named like a game's base folder
};

// Lets the player follow a search while it runs and stop it.
class SearchFollower {
  public:
    virtual ~SearchFollower() = default;
    // Returns once `search` has finished by itself or the player has stopped it;
    // `foundLabel` names what its counted targets find ("Config files found").
    virtual void follow(FolderSearch& search, const std::string& foundLabel) = 0;
    // What this player's stopped searches learnt: later searches pass it in their
    // options.
    UnansweredMounts& unanswered() { return unanswered_; }

  private:
    UnansweredMounts unanswered_;
};

// What a search finds of the programs it may start, into `found`: a Windows
// program (a regular file beginning with "MZ"), an engine (an executable file);
// each only when neither it nor its folder may be changed by another user. The
// names are the caller's.
Target WindowsPrograms(std::vector<std::string>* found);
Target Engines(std::vector<std::string>* found);

// Runs a search of `roots`, followed by `follower` when given, which tells the
// player what the counted targets found by `foundLabel`; with the drives' remote
// mounts and the follower's unanswered ones. The targets' lists are then filled;
// false when the player stopped the search.
bool RunSearch(const Drives& drives, std::vector<SearchRoot> roots, const std::string& foundLabel,
               SearchFollower* follower, SearchOptions options = {});

// Every game on drive C: and then on each present drive from D: to Z:, with one
// walk of each drive for all the games' names. With a follower, the player can
// follow the search and stop it: the games are then those found so far.
GamesFound FindGamesOnDrives(const Drives& drives, SearchFollower* follower = nullptr);

// What start-up finds, in one search: every config file on drive C: and then on
// each present drive from D: to Z:, the games on drive C:, and what is installed.
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
