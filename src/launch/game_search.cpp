#include "launch/game_search.h"

#include "discovery/find_files.h"
#include "launch/game.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

// The file every game of the table keeps its settings in.
constexpr const char* kConfigFile = "q3config.cfg";

// The games' Windows programs, every engine of every game (each list in walk
// order), and the games' base folders, beside which an engine counts.
std::vector<Target> gameTargets(bool counted) {
    Target windows{{}, Check::Listed, counted}, engines{{}, Check::Executable, counted},
        bases{{}, Check::Folder, false};
    for (const Game& game : Games()) {
        if (game.windowsProgram) windows.masks.push_back(game.windowsProgram);
        engines.masks.insert(engines.masks.end(), game.engines.begin(), game.engines.end());
        bases.masks.push_back(game.baseFolder);
    }
    return {windows, engines, bases};
}

const Target kConfigFiles{{kConfigFile}, Check::Listed, true};

// The drives' roots: drive C: for `onC`, then each present drive from D: to Z:
// for `onOthers`.
void addDrives(const Drives& drives, const std::vector<Target>& onC,
               const std::vector<Target>& onOthers, const char* sought,
               std::vector<SearchRoot>& roots, SearchSubject& subject) {
    for (const DriveRoot& drive : SearchedDrives(drives)) {
        roots.push_back(SearchRoot::walk(drive.folder, roots.empty() ? onC : onOthers));
        subject.places.push_back({std::string("drive ") + drive.letter + ": (" +
                                      WithoutTrailingSlash(drive.folder) + ")",
                                  sought});
    }
}

void addGames(GamesFound& games, std::vector<std::vector<std::string>>& lists, std::size_t first) {
    for (auto* list : {&games.windowsGames, &games.nativeEngines, &games.baseFolders}) {
        list->insert(list->end(), lists[first].begin(), lists[first].end());
        ++first;
    }
}

}  // namespace

SearchOutcome RunSearch(const Drives& drives, std::vector<SearchRoot> roots, SearchSubject subject,
                        SearchFollower* follower, SearchOptions options) {
    if (options.remoteMounts.empty()) options.remoteMounts = drives.remoteMounts();
    if (follower) options.unanswered = &follower->unanswered();
    FolderSearch search(std::move(roots), std::move(options));
    if (follower) follower->follow(search, subject);
    return {search.results(), search.stopped()};
}

void FindConfigFiles(const Drives& drives, std::vector<std::string>& list) {
    FindFileOnDrives(drives, kConfigFile, list);
}

GamesFound FindGamesOnDrives(const Drives& drives, SearchFollower* follower) {
    std::vector<SearchRoot> roots;
    SearchSubject subject{"Games found", {}};
    const std::vector<Target> targets = gameTargets(true);
    addDrives(drives, targets, targets, "the game", roots, subject);
    GamesFound games;
    for (auto& drive : RunSearch(drives, std::move(roots), subject, follower).found)
        addGames(games, drive, 0);
    return games;
}

StartupFiles FindStartupFiles(const Drives& drives, SearchOptions options,
                              SearchFollower* follower) {
    std::vector<SearchRoot> roots;
    SearchSubject subject{"Config files found", {}};
    std::vector<Target> onC{kConfigFiles};
    for (Target& target : gameTargets(false)) onC.push_back(std::move(target));
    addDrives(drives, onC, {kConfigFiles}, "config files", roots, subject);
    const std::size_t driveRoots = roots.size();
    // After the drives: what is installed is looked up at once, while they are walked.
    for (SearchRoot& root : InstalledGames::roots(drives)) roots.push_back(std::move(root));
    for (SearchPlace& place : InstalledGames::places("the game"))
        subject.places.push_back(std::move(place));

    auto found = RunSearch(drives, std::move(roots), subject, follower, std::move(options)).found;
    StartupFiles files;
    for (std::size_t drive = 0; drive < driveRoots; ++drive)
        files.configFiles.insert(files.configFiles.end(), found[drive][0].begin(),
                                 found[drive][0].end());
    addGames(files.gamesOnDriveC, found[0], 1);
    files.installed = InstalledGames(std::span(found).subspan(driveRoots));
    return files;
}

}  // namespace brisko
