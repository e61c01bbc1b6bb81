#include "discovery/find_files.h"

#include "discovery/search_directory.h"

namespace brisko {

namespace {

constexpr const char* kConfigFile = "q3config.cfg";

// A search of drive C: with `onC`, then of each present drive from D: to Z: with
// `onOthers`: a folder met again on a later drive is not walked again.
std::unique_ptr<DriveSearch> searchDrives(const Drives& drives, std::span<const SearchTarget> onC,
                                          std::span<const SearchTarget> onOthers, Sought sought,
                                          WalkOptions options = {}) {
    std::vector<SearchRoot> roots{{drives.root('C'), onC}};
    std::string letters = "C";
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        if (!DrivePresent(drives, letter)) continue;
        roots.push_back({drives.root(letter), onOthers});
        letters += letter;
    }
    return std::make_unique<DriveSearch>(roots, letters, sought, options);
}

// The games' names after `others`, every native engine into the one list, so that
// it keeps the order of the walk.
std::vector<SearchTarget> gameTargets(GamesFound& games, std::vector<SearchTarget> others = {},
                                      bool counted = false) {
    games.windowsGames.clear();
    games.nativeEngines.clear();
    others.push_back({kGameExecutable, &games.windowsGames, counted});
    for (const auto& engines : {std::span<const char* const>(kNativeEngines),
                                std::span<const char* const>(kOpenArenaEngines),
                                std::span<const char* const>(kUrbanTerrorEngines)})
        for (const char* engine : engines)
            others.push_back({engine, &games.nativeEngines, counted});
    return others;
}

}  // namespace

bool DrivePresent(const Drives& drives, char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') throw AppError("Invalid drive letter");
    return (drives.logicalDriveMask() >> (letter - 'A')) & 1u;
}

void FindFileOnDrives(const Drives& drives, const std::string& name,
                      std::vector<std::string>& list) {
    list.clear();
    const SearchTarget target{name, &list, true};
    searchDrives(drives, {&target, 1}, {&target, 1}, Sought::ConfigFiles)->finish(nullptr);
}

void FindConfigFiles(const Drives& drives, std::vector<std::string>& list) {
    FindFileOnDrives(drives, kConfigFile, list);
}

void FindGamesOnDrives(const Drives& drives, GamesFound& games, SearchFollower* follower) {
    const std::vector<SearchTarget> targets = gameTargets(games, {}, true);
    searchDrives(drives, targets, targets, Sought::Games)->finish(follower);
}

void FindStartupFiles(const Drives& drives, std::vector<std::string>& configFiles,
                      GamesFound& gamesOnDriveC, WalkOptions options, SearchFollower* follower) {
    configFiles.clear();
    const SearchTarget config{kConfigFile, &configFiles, true};
    searchDrives(drives, gameTargets(gamesOnDriveC, {config}), {&config, 1}, Sought::ConfigFiles,
                 options)
        ->finish(follower);
}

}  // namespace brisko
