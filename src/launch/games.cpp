#include "launch/games.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/ascii.h"
#include "platform/posix/files.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

// A game that keeps a q3config.cfg: the names of its engines in the order they are
// preferred, and the folder of its own files beside the mods.
struct Family {
    std::span<const char* const> engines;
    const char* baseFolder;
    bool quake3;  // Quake III itself: also the Windows game, the usual places and the Flatpak
    TestMaps testMaps;
};

// The test maps are those the game has today: Quake III's in the 1.32 release and
// its demo (q3dm7 and q3dm17 were the first test release's maps), OpenArena's in
// its maps pack, Urban Terror's in its 4.x map cycle.
const Family kQuake3{kNativeEngines, "baseq3", true, {"q3dm7", "q3dm17", "q3tourney2"}};
const Family kOpenArena{
    kOpenArenaEngines, "baseoa", false, {"oa_dm1", "wrackdm17", "czest1tourney"}};
const Family kUrbanTerror{
    kUrbanTerrorEngines, "q3ut4", false, {"ut4_casa", "ut4_turnpike", "ut4_abbey"}};

// Where distributions put an engine that is not on PATH (below the system's root).
constexpr const char* kFixedEngines[] = {"usr/lib/ioquake3/ioquake3", "opt/quake3/ioquake3",
                                         "usr/games/quake3", "usr/games/ioquake3"};

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

bool holdsWindowsGame(const std::string& folder) {
    return entryNamed(folder, kGameExecutable, posix::IsRegularFile).has_value();
}

// Drive C:, the home folder, without its trailing '/'.
std::string homeOf(const Drives& drives) {
    return WithoutTrailingSlash(drives.root('C'));
}

// Where ioquake3 keeps its configs since 2025: $XDG_CONFIG_HOME/Quake3.
std::string xdgQuake3(const std::string& home) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string base =
        config && config[0] == '/' ? WithoutTrailingSlash(config) : home + "/.config";
    return base + "/Quake3";
}

std::vector<std::string> flatpakHomes(const std::string& home) {
    const std::string app = home + "/.var/app/" + kIoquake3Flatpak;
    return {app + "/data/q3a", app + "/data", app + "/config/Quake3"};
}

// The folders where a game's native engines keep their configs, one folder per mod.
std::vector<std::string> homesOf(const Family& family, const std::string& home) {
    if (&family == &kOpenArena) return {home + "/.openarena"};
    std::vector<std::string> homes = {home + "/.q3a", xdgQuake3(home)};
    if (family.quake3)
        for (std::string& flatpak : flatpakHomes(home)) homes.push_back(std::move(flatpak));
    return homes;
}

bool contains(const std::vector<std::string>& folders, const std::string& folder) {
    return std::find(folders.begin(), folders.end(), folder) != folders.end();
}

// Where a config lies: its folder, the folder above, and what they tell of its game.
struct ConfigPlace {
    const Family* family;
    std::string folder;  // the config's folder (a mod's, or the game's own)
    std::string parent;  // the folder above it: a game, a native home, or anything
    bool nativeHome;     // the parent is where the family's native engines keep configs
    bool flatpakHome;    // the parent is one of the Flatpak's folders
    bool gameFolder;     // the config's folder is a mod folder of a game
};

ConfigPlace placeOf(const Drives& drives, const std::string& configPath) {
    ConfigPlace place{&kQuake3, {}, {}, false, false, false};
    if (configPath.empty()) return place;
    place.folder = FolderOf(configPath);
    place.parent = FolderOf(place.folder);
    const std::string home = homeOf(drives);
    const std::string folderName = asciiLower(NameOf(place.folder));
    if (folderName == kUrbanTerror.baseFolder)
        place.family = &kUrbanTerror;
    else if (folderName == kOpenArena.baseFolder ||
             contains(homesOf(kOpenArena, home), place.parent))
        place.family = &kOpenArena;
    place.nativeHome = contains(homesOf(*place.family, home), place.parent);
    place.flatpakHome = place.family->quake3 && contains(flatpakHomes(home), place.parent);
    place.gameFolder = place.nativeHome || holdsWindowsGame(place.parent) ||
                       entryNamed(place.parent, place.family->baseFolder, isFolder).has_value();
    return place;
}

// An engine found on the drives counts only inside a game: its own folder holds
// the game's folder of its own files (baseq3, any case).
bool inGameFolder(const Family& family, const std::string& engine) {
    return entryNamed(FolderOf(engine), family.baseFolder, isFolder).has_value();
}

bool isEngineOf(const Family& family, const std::string& path) {
    const std::string name = asciiLower(NameOf(path));
    return std::any_of(family.engines.begin(), family.engines.end(),
                       [&](const char* engine) { return asciiLower(engine) == name; });
}

// The first engine of the family in the game folder `folder`, by the order of its names.
std::optional<std::string> engineIn(const Family& family, const std::string& folder) {
    if (!entryNamed(folder, family.baseFolder, isFolder)) return std::nullopt;
    for (const char* engine : family.engines)
        if (const std::string path = JoinPath(folder, engine); IsExecutableFile(path)) return path;
    return std::nullopt;
}

// An engine of the family on PATH, then (Quake III) at the usual places.
std::optional<std::string> installedEngine(const Drives& drives, const Family& family) {
    const std::vector<std::string> onPath = FindOnPath(family.engines);
    if (!onPath.empty()) return onPath.front();
    const std::string system = drives.systemRoot();
    if (!family.quake3 || system.empty()) return std::nullopt;
    for (const char* place : kFixedEngines)
        if (IsExecutableFile(system + place)) return system + place;
    return std::nullopt;
}

std::optional<std::string> engineOnDrives(const Family& family, const GamesFound& onDrives) {
    for (const std::string& path : onDrives.nativeEngines)
        if (isEngineOf(family, path) && IsExecutableFile(path) && inGameFolder(family, path))
            return path;
    return std::nullopt;
}

// The first engine of the family the player has: installed, the Flatpak, then on
// the drives (walked now, unless already walked into `walked`).
std::optional<GameChoice> anyEngine(const Drives& drives, const Family& family,
                                    std::optional<GamesFound>& walked, SearchFollower* follower) {
    if (auto engine = installedEngine(drives, family))
        return GameChoice{GameChoice::Kind::Engine, *engine, {}, {}};
    if (family.quake3)
        if (auto flatpak = FlatpakFor(drives, kIoquake3Flatpak))
            return GameChoice{GameChoice::Kind::Flatpak, *flatpak, {}, {}};
    if (!walked) FindGamesOnDrives(drives, walked.emplace(), follower);
    if (auto engine = engineOnDrives(family, *walked))
        return GameChoice{GameChoice::Kind::Engine, *engine, {}, {}};
    return std::nullopt;
}

// The game by the rules, before it is told where the config is.
std::optional<GameChoice> gameFor(const Drives& drives, const ConfigPlace& place,
                                  SearchFollower* follower) {
    const Family& family = *place.family;
    if (family.quake3)
        if (auto own = entryNamed(place.parent, kGameExecutable, posix::IsRegularFile))
            return GameChoice{GameChoice::Kind::Windows, *own, {}, {}};
    // A game unpacked in one folder, its engine beside the config's folder.
    if (auto own = engineIn(family, place.parent))
        return GameChoice{GameChoice::Kind::Engine, *own, place.parent, {}};

    if (place.flatpakHome)
        if (auto flatpak = FlatpakFor(drives, kIoquake3Flatpak))
            return GameChoice{GameChoice::Kind::Flatpak, *flatpak, {}, {}};
    std::optional<GamesFound> walked;
    if (place.nativeHome || !family.quake3) return anyEngine(drives, family, walked, follower);

    FindGamesOnDrives(drives, walked.emplace(), follower);
    if (!walked->windowsGames.empty())
        return GameChoice{GameChoice::Kind::Windows, walked->windowsGames.front(), {}, {}};
    return anyEngine(drives, family, walked, follower);
}

}  // namespace

bool IsExecutableFile(const std::string& path) {
    return posix::IsRegularFile(path) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> FindOnPath(std::span<const char* const> names) {
    std::vector<std::string> found;
    const char* variable = std::getenv("PATH");
    std::string_view rest = variable ? variable : "";
    while (!rest.empty()) {
        const auto colon = std::min(rest.find(':'), rest.size());
        std::string folder(rest.substr(0, colon));
        rest.remove_prefix(std::min(colon + 1, rest.size()));
        if (folder.empty() || folder.front() != '/') continue;
        if (folder.back() != '/') folder += '/';
        for (const char* name : names)
            if (IsExecutableFile(folder + name)) found.push_back(folder + name);
    }
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
    for (const Family* family : {&kQuake3, &kOpenArena, &kUrbanTerror})
        if (engineOnDrives(*family, onDriveC) || installedEngine(drives, *family)) return true;
    return FlatpakFor(drives, kIoquake3Flatpak).has_value();
}

std::optional<GameChoice> ChooseGame(const Drives& drives, const std::string& configPath,
                                     SearchFollower* follower) {
    const ConfigPlace place = placeOf(drives, configPath);
    std::optional<GameChoice> game = gameFor(drives, place, follower);
    if (game) game->testMaps = place.family->testMaps;
    if (!game) {
        if (place.family->quake3) return std::nullopt;
        throw AppError("Cannot start " + configPath + ": its game was not found");
    }
    // A native engine reads the config of its home path's mod folder.
    if (game->kind == GameChoice::Kind::Engine && place.nativeHome) game->homePath = place.parent;
    if (!game->homePath.empty() || place.gameFolder)
        if (asciiLower(NameOf(place.folder)) != place.family->baseFolder)
            game->mod = NameOf(place.folder);
    return game;
}

}  // namespace brisko
