#include "launch/games.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/ascii.h"
#include "platform/posix/environment.h"
#include "platform/posix/files.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

bool isFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The entry of `folder` whose name is `name` in any case, with `test` holding for it.
std::optional<std::string> entryNamed(const std::string& folder, std::string_view name,
                                      bool (*test)(const std::string&)) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string path = JoinPath(folder, entry->d_name);
        if (asciiLower(entry->d_name) == asciiLower(name) && test(path)) {
            found = path;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

// Drive C:, the home folder, without its trailing '/'.
std::string homeOf(const Drives& drives) {
    return WithoutTrailingSlash(drives.root('C'));
}

// The folders of `entries` of the table, below the home folder.
std::vector<std::string> foldersOf(std::span<const char* const> entries, const std::string& home) {
    std::vector<std::string> folders;
    for (const char* entry : entries) folders.push_back(HomeFolder(home, entry));
    return folders;
}

// Where the game's native engines keep their configs, one folder per mod.
std::vector<std::string> homesOf(const Game& game, const std::string& home) {
    std::vector<std::string> homes = foldersOf(game.homes, home);
    for (std::string& flatpak : foldersOf(game.flatpakHomes, home))
        homes.push_back(std::move(flatpak));
    return homes;
}

bool contains(const std::vector<std::string>& folders, const std::string& folder) {
    return std::find(folders.begin(), folders.end(), folder) != folders.end();
}

// Where a config lies: its folder, the folder above, and what they tell of its game.
struct ConfigPlace {
    const Game* game;
    std::string folder;  // the config's folder (a mod's, or the game's own)
    std::string parent;  // the folder above it: a game, a native home, or anything
    bool nativeHome;     // the parent is where the game's native engines keep configs
    bool flatpakHome;    // the parent is one of the Flatpak's folders
    bool gameFolder;     // the config's folder is a mod folder of a game
};

// The game of a config: the first whose base folder is the config's folder (any
// case), else the first whose homes hold the config's folder, else Quake III.
const Game& gameOf(const std::string& folder, const std::string& parent, const std::string& home) {
    const std::string name = asciiLower(NameOf(folder));
    for (const Game& game : Games())
        if (name == game.baseFolder) return game;
    for (const Game& game : Games())
        if (contains(homesOf(game, home), parent)) return game;
    return Quake3();
}

bool holdsWindowsGame(const std::string& folder) {
    for (const Game& game : Games())
        if (game.windowsProgram &&
            entryNamed(folder, game.windowsProgram, posix::IsRegularFile).has_value())
            return true;
    return false;
}

ConfigPlace placeOf(const Drives& drives, const std::string& configPath) {
    ConfigPlace place{&Quake3(), {}, {}, false, false, false};
    if (configPath.empty()) return place;
    place.folder = FolderOf(configPath);
    place.parent = FolderOf(place.folder);
    const std::string home = homeOf(drives);
    place.game = &gameOf(place.folder, place.parent, home);
    place.nativeHome = contains(homesOf(*place.game, home), place.parent);
    place.flatpakHome = contains(foldersOf(place.game->flatpakHomes, home), place.parent);
    place.gameFolder = place.nativeHome || holdsWindowsGame(place.parent) ||
                       entryNamed(place.parent, place.game->baseFolder, isFolder).has_value();
    return place;
}

// An engine found on the drives counts only inside a game: its own folder holds
// the game's folder of its own files (baseq3, any case).
bool inGameFolder(const Game& game, const std::string& engine) {
    return entryNamed(FolderOf(engine), game.baseFolder, isFolder).has_value();
}

bool isEngineOf(const Game& game, const std::string& path) {
    const std::string name = asciiLower(NameOf(path));
    return std::any_of(game.engines.begin(), game.engines.end(),
                       [&](const char* engine) { return asciiLower(engine) == name; });
}

// The game's first engine in the game folder `folder`, by the order of its names.
std::optional<std::string> engineIn(const Game& game, const std::string& folder) {
    if (!entryNamed(folder, game.baseFolder, isFolder)) return std::nullopt;
    for (const char* engine : game.engines)
        if (const std::string path = JoinPath(folder, engine); IsExecutableFile(path)) return path;
    return std::nullopt;
}

// An engine of the game on PATH, then at the places distributions put it.
std::optional<std::string> installedEngine(const Drives& drives, const Game& game) {
    const std::vector<std::string> onPath = FindOnPath(game.engines);
    if (!onPath.empty()) return onPath.front();
    const std::string system = drives.systemRoot();
    if (system.empty()) return std::nullopt;
    for (const char* place : game.fixedPlaces)
        if (IsExecutableFile(system + place)) return system + place;
    return std::nullopt;
}

std::optional<std::string> engineOnDrives(const Game& game, const GamesFound& onDrives) {
    for (const std::string& path : onDrives.nativeEngines)
        if (isEngineOf(game, path) && IsExecutableFile(path) && inGameFolder(game, path))
            return path;
    return std::nullopt;
}

std::optional<GameChoice> flatpakOf(const Drives& drives, const Game& game) {
    if (!game.flatpak) return std::nullopt;
    if (auto flatpak = FlatpakFor(drives, game.flatpak))
        return GameChoice{GameChoice::Kind::Flatpak, *flatpak, {}, {}, &game};
    return std::nullopt;
}

// The game's first engine the player has: installed, the Flatpak, then on the
// drives (walked now, unless already walked into `walked`).
std::optional<GameChoice> anyEngine(const Drives& drives, const Game& game,
                                    std::optional<GamesFound>& walked, SearchFollower* follower) {
    if (auto engine = installedEngine(drives, game))
        return GameChoice{GameChoice::Kind::Engine, *engine, {}, {}, &game};
    if (auto flatpak = flatpakOf(drives, game)) return flatpak;
    if (!walked) FindGamesOnDrives(drives, walked.emplace(), follower);
    if (auto engine = engineOnDrives(game, *walked))
        return GameChoice{GameChoice::Kind::Engine, *engine, {}, {}, &game};
    return std::nullopt;
}

// The game by the rules, before it is told where the config is.
std::optional<GameChoice> gameFor(const Drives& drives, const ConfigPlace& place,
                                  SearchFollower* follower) {
    const Game& game = *place.game;
    if (game.windowsProgram)
        if (auto own = entryNamed(place.parent, game.windowsProgram, posix::IsRegularFile))
            return GameChoice{GameChoice::Kind::Windows, *own, {}, {}, &game};
    // A game unpacked in one folder, its engine beside the config's folder.
    if (auto own = engineIn(game, place.parent))
        return GameChoice{GameChoice::Kind::Engine, *own, place.parent, {}, &game};

    if (place.flatpakHome)
        if (auto flatpak = flatpakOf(drives, game)) return flatpak;
    std::optional<GamesFound> walked;
    // A game without a Windows program is only ever one of its engines.
    if (place.nativeHome || !game.windowsProgram) return anyEngine(drives, game, walked, follower);

    FindGamesOnDrives(drives, walked.emplace(), follower);
    if (!walked->windowsGames.empty())
        return GameChoice{GameChoice::Kind::Windows, walked->windowsGames.front(), {}, {}, &game};
    return anyEngine(drives, game, walked, follower);
}

}  // namespace

bool IsExecutableFile(const std::string& path) {
    return posix::IsRegularFile(path) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> FindOnPath(std::span<const char* const> names) {
    std::vector<std::string> found;
    for (const std::string& folder : posix::PathFolders())
        for (const char* name : names)
            if (IsExecutableFile(folder + name)) found.push_back(folder + name);
    return found;
}

std::optional<std::string> FlatpakFor(const Drives& drives, const std::string& application) {
    const char* const flatpak[] = {"flatpak"};
    const std::vector<std::string> program = FindOnPath(flatpak);
    if (program.empty()) return std::nullopt;
    const std::string system = drives.systemRoot();
    const bool installed =
        (!system.empty() && isFolder(system + "var/lib/flatpak/app/" + application)) ||
        isFolder(homeOf(drives) + "/.local/share/flatpak/app/" + application);
    if (!installed) return std::nullopt;
    return program.front();
}

bool GameToTest(const Drives& drives, const GamesFound& onDriveC) {
    if (!onDriveC.windowsGames.empty()) return true;
    for (const Game& game : Games())
        if (engineOnDrives(game, onDriveC) || installedEngine(drives, game) ||
            flatpakOf(drives, game))
            return true;
    return false;
}

std::optional<GameChoice> ChooseGame(const Drives& drives, const std::string& configPath,
                                     SearchFollower* follower) {
    const ConfigPlace place = placeOf(drives, configPath);
    std::optional<GameChoice> game = gameFor(drives, place, follower);
    if (!game) {
        if (!place.game->notFound) return std::nullopt;
        throw AppError("Cannot start " + configPath + ": " + place.game->notFound);
    }
    // A native engine reads the config of its home path's mod folder.
    if (game->kind == GameChoice::Kind::Engine && place.nativeHome) game->homePath = place.parent;
    if (!game->homePath.empty() || place.gameFolder)
        if (asciiLower(NameOf(place.folder)) != place.game->baseFolder)
            game->mod = NameOf(place.folder);
    return game;
}

}  // namespace brisko
