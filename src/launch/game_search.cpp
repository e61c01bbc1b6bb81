#include "launch/game_search.h"

#include "launch/game.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

// The file every game of the table keeps its settings in.
constexpr const char* kConfigFile = "q3config.cfg";

// The games' Windows programs, every engine of every game (each list in walk
// order, only programs no other user may change), and the games' base folders,
// beside which an engine counts.
std::vector<Target> gameTargets(GamesFound& games, bool counted) {
    Target windows = WindowsPrograms(&games.windowsGames), engines = Engines(&games.nativeEngines),
           bases{{}, Check::Folder, &games.baseFolders};
    windows.counted = engines.counted = counted;
    for (const Game& game : Games()) {
        if (game.windowsProgram) windows.names.push_back(game.windowsProgram);
        engines.names.insert(engines.names.end(), game.engines.begin(), game.engines.end());
        bases.names.push_back(game.baseFolder);
    }
    return {windows, engines, bases};
}

// The drives' roots: drive C: for `onC`, then each present drive from D: to Z:
// for `onOthers`. Drives A: and B: are never searched.
std::vector<SearchRoot> driveRoots(const Drives& drives, const std::vector<Target>& onC,
                                   const std::vector<Target>& onOthers, const char* sought) {
    std::vector<SearchRoot> roots;
    const std::uint32_t present = drives.logicalDriveMask();
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        if (letter != 'C' && !((present >> (letter - 'A')) & 1u)) continue;
        std::string folder = drives.root(letter);
        SearchPlace place{
            std::string("drive ") + letter + ": (" + WithoutTrailingSlash(folder) + ")", sought};
        roots.push_back(
            SearchRoot::walk(std::move(folder), roots.empty() ? onC : onOthers, std::move(place)));
    }
    return roots;
}

}  // namespace

Target WindowsPrograms(std::vector<std::string>* found) {
    return {{}, Check::File, found, false, true, "MZ"};
}

Target Engines(std::vector<std::string>* found) {
    return {{}, Check::Executable, found, false, true};
}

bool RunSearch(const Drives& drives, std::vector<SearchRoot> roots, const std::string& foundLabel,
               SearchFollower* follower, SearchOptions options) {
    if (options.remoteMounts.empty()) options.remoteMounts = drives.remoteMounts();
    if (follower) options.unanswered = &follower->unanswered();
    FolderSearch search(std::move(roots), std::move(options));
    if (follower) follower->follow(search, foundLabel);
    search.finish();
    return !search.stopped();
}

GamesFound FindGamesOnDrives(const Drives& drives, SearchFollower* follower) {
    GamesFound games;
    const std::vector<Target> targets = gameTargets(games, true);
    RunSearch(drives, driveRoots(drives, targets, targets, "the game"), "Games found", follower);
    return games;
}

StartupFiles FindStartupFiles(const Drives& drives, SearchOptions options,
                              SearchFollower* follower) {
    StartupFiles files;
    const Target configs{{kConfigFile}, Check::Listed, &files.configFiles, true};
    std::vector<Target> onC{configs};
    for (Target& target : gameTargets(files.gamesOnDriveC, false)) onC.push_back(std::move(target));
    std::vector<SearchRoot> roots = driveRoots(drives, onC, {configs}, "config files");
    // After the drives: what is installed is looked up at once, while they are walked.
    for (SearchRoot& root : files.installed.roots(drives)) roots.push_back(std::move(root));
    RunSearch(drives, std::move(roots), "Config files found", follower, std::move(options));
    return files;
}

}  // namespace brisko
