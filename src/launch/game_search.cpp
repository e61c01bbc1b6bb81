#include "launch/game_search.h"

#include "discovery/find_files.h"
#include "launch/game.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

// The file every game of the table keeps its settings in.
constexpr const char* kConfigFile = "q3config.cfg";

// The games' Windows programs, then every engine of every game, into one list, so
// that it keeps the order of the walk.
std::vector<Target> gameTargets(bool counted) {
    Target windows{{}, Check::Listed, counted}, engines{{}, Check::Listed, counted};
    for (const Game& game : Games()) {
        if (game.windowsProgram) windows.masks.push_back(game.windowsProgram);
        engines.masks.insert(engines.masks.end(), game.engines.begin(), game.engines.end());
    }
    return {windows, engines};
}

const Target kConfigFiles{{kConfigFile}, Check::Listed, true};

// Searches drive C: for `onC`, then each present drive from D: to Z: for
// `onOthers`, followed by `follower` when given; the lists of each drive.
std::vector<std::vector<std::vector<std::string>>> searchDrives(
    const Drives& drives, const std::vector<Target>& onC, const std::vector<Target>& onOthers,
    const char* sought, const char* foundLabel, SearchOptions options = {},
    SearchFollower* follower = nullptr) {
    std::vector<SearchRoot> roots;
    SearchSubject subject{sought, foundLabel, {}};
    for (const DriveRoot& drive : SearchedDrives(drives)) {
        roots.push_back(SearchRoot::walk(drive.folder, roots.empty() ? onC : onOthers));
        subject.places.push_back(std::string("drive ") + drive.letter + ": (" +
                                 WithoutTrailingSlash(drive.folder) + ")");
    }
    if (options.remoteMounts.empty()) options.remoteMounts = drives.remoteMounts();
    if (follower) options.unanswered = &follower->unanswered();
    FolderSearch search(std::move(roots), std::move(options));
    if (follower) follower->follow(search, subject);
    return search.results();
}

void fillGames(GamesFound& games, std::vector<std::vector<std::string>>& lists, std::size_t first) {
    games.windowsGames.insert(games.windowsGames.end(), lists[first].begin(), lists[first].end());
    games.nativeEngines.insert(games.nativeEngines.end(), lists[first + 1].begin(),
                               lists[first + 1].end());
}

}  // namespace

void FindConfigFiles(const Drives& drives, std::vector<std::string>& list) {
    FindFileOnDrives(drives, kConfigFile, list);
}

void FindGamesOnDrives(const Drives& drives, GamesFound& games, SearchFollower* follower) {
    games = {};
    const std::vector<Target> targets = gameTargets(true);
    for (auto& drive :
         searchDrives(drives, targets, targets, "the game", "Games found", {}, follower))
        fillGames(games, drive, 0);
}

void FindStartupFiles(const Drives& drives, std::vector<std::string>& configFiles,
                      GamesFound& gamesOnDriveC, SearchOptions options, SearchFollower* follower) {
    std::vector<Target> onC{kConfigFiles};
    for (Target& target : gameTargets(false)) onC.push_back(std::move(target));
    auto found = searchDrives(drives, onC, {kConfigFiles}, "config files", "Config files found",
                              std::move(options), follower);
    configFiles.clear();
    for (auto& drive : found)
        configFiles.insert(configFiles.end(), drive[0].begin(), drive[0].end());
    gamesOnDriveC = {};
    fillGames(gamesOnDriveC, found[0], 1);
}

}  // namespace brisko
