#include "launch/games.h"

#include <algorithm>
#include <vector>

#include "platform/ascii.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

bool contains(const std::vector<std::string>& folders, const std::string& folder) {
    return std::find(folders.begin(), folders.end(), folder) != folders.end();
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

// The game of a config: the first whose base folder is the config's folder (any
// case), else the first whose homes hold the config's folder, else Quake III.
const Game& gameOf(const std::string& folder, const std::string& parent, const std::string& home) {
    const std::string name = AsciiLower(NameOf(folder));
    for (const Game& game : Games())
        if (name == game.baseFolder) return game;
    for (const Game& game : Games())
        if (contains(homesOf(game, home), parent)) return game;
    return Quake3();
}

// Where a config lies, and what the folder above it holds.
struct ConfigPlace {
    const Game* game;
    std::string folder;        // the config's folder (a mod's, or the game's own)
    std::string parent;        // the folder above it: a game, a native home, or anything
    bool nativeHome;           // the parent is where the game's native engines keep configs
    bool flatpakHome;          // the parent is one of the Flatpak's folders
    bool windowsGame = false;  // the parent holds a game's Windows program (any case)
    std::optional<std::string> windowsProgram;  // the config's game's one among them
    bool baseFolder = false;                    // the parent holds the game's base folder
    std::optional<std::string> engine;          // the game's first engine in the parent, beside it
    bool gameFolder() const { return nativeHome || windowsGame || baseFolder; }
};

ConfigPlace placeOf(const Drives& drives, const std::string& configPath) {
    ConfigPlace place{&Quake3(), {}, {}, false, false, false, {}, false, {}};
    if (configPath.empty()) return place;
    place.folder = FolderOf(configPath);
    place.parent = FolderOf(place.folder);
    const std::string home = WithoutTrailingSlash(drives.root('C'));
    place.game = &gameOf(place.folder, place.parent, home);
    place.nativeHome = contains(homesOf(*place.game, home), place.parent);
    place.flatpakHome = contains(foldersOf(place.game->flatpakHomes, home), place.parent);
    return place;
}

// Looks up what the folder above the config holds and what is installed, in one
// search; false when the player stopped it.
bool lookUp(const Drives& drives, ConfigPlace& place, InstalledGames& installed,
            SearchFollower* follower) {
    const Game& game = *place.game;
    std::vector<std::string> programs, bases, engines;
    Target windows = WindowsPrograms(&programs), base{{game.baseFolder}, Check::Folder, &bases};
    for (const Game& any : Games())
        if (any.windowsProgram) windows.names.push_back(any.windowsProgram);
    std::vector<std::string> enginePaths;
    if (!place.parent.empty())
        for (const char* engine : game.engines)
            enginePaths.push_back(JoinPath(place.parent, engine));
    const SearchPlace where{place.parent, "the game"};
    std::vector<SearchRoot> roots{
        SearchRoot::listing(place.parent, {windows, base}, where),
        SearchRoot::lookup(std::move(enginePaths), Engines(&engines), where)};
    for (SearchRoot& root : installed.roots(drives)) roots.push_back(std::move(root));
    if (!RunSearch(drives, std::move(roots), "Games found", follower)) return false;
    place.windowsGame = !programs.empty();
    // Only a Windows program of the config's game is its own.
    for (const std::string& program : programs)
        if (!place.windowsProgram && game.windowsProgram &&
            AsciiLower(NameOf(program)) == AsciiLower(game.windowsProgram))
            place.windowsProgram = program;
    place.baseFolder = !bases.empty();
    if (place.baseFolder && !engines.empty()) place.engine = engines.front();
    return true;
}

// An engine found on the drives counts only inside a game: its own folder holds
// the game's base folder (any case).
std::optional<std::string> engineOnDrives(const Game& game, const GamesFound& onDrives) {
    const auto inGame = [&](const std::string& engine) {
        return std::any_of(onDrives.baseFolders.begin(), onDrives.baseFolders.end(),
                           [&](const std::string& folder) {
                               return FolderOf(folder) == FolderOf(engine) &&
                                      AsciiLower(NameOf(folder)) == game.baseFolder;
                           });
    };
    for (const std::string& path : onDrives.nativeEngines) {
        const std::string name = AsciiLower(NameOf(path));
        const bool ofGame =
            std::any_of(game.engines.begin(), game.engines.end(),
                        [&](const char* engine) { return AsciiLower(engine) == name; });
        if (ofGame && inGame(path)) return path;
    }
    return std::nullopt;
}

// Chooses among what was found; the drives are walked when a rule needs them.
class Rules {
  public:
    Rules(const Drives& drives, const ConfigPlace& place, const InstalledGames& installed,
          SearchFollower* follower)
        : drives_(drives),
          place_(place),
          game_(*place.game),
          installed_(installed),
          follower_(follower) {}

    std::optional<GameChoice> choose() {
        if (place_.windowsProgram) return choice(GameChoice::Kind::Windows, *place_.windowsProgram);
        // A game unpacked in one folder, its engine beside the config's folder.
        if (place_.engine) {
            auto own = choice(GameChoice::Kind::Engine, *place_.engine);
            own->homePath = place_.parent;
            return own;
        }
        if (place_.flatpakHome)
            if (auto flatpak = flatpakChoice()) return flatpak;
        // A game without a Windows program is only ever one of its engines.
        if (place_.nativeHome || !game_.windowsProgram) return anyEngine();
        if (!walked().windowsGames.empty())
            return choice(GameChoice::Kind::Windows, walked().windowsGames.front());
        return anyEngine();
    }

  private:
    std::optional<GameChoice> choice(GameChoice::Kind kind, const std::string& path) const {
        return GameChoice{kind, path, {}, {}, &game_, installed_};
    }
    std::optional<GameChoice> flatpakChoice() const {
        if (!game_.flatpak) return std::nullopt;
        if (auto flatpak = installed_.flatpak(game_.flatpak))
            return choice(GameChoice::Kind::Flatpak, *flatpak);
        return std::nullopt;
    }
    // The game's first engine the player has: installed, the Flatpak, then on the drives.
    std::optional<GameChoice> anyEngine() {
        if (auto engine = installed_.engine(game_))
            return choice(GameChoice::Kind::Engine, *engine);
        if (auto flatpak = flatpakChoice()) return flatpak;
        if (auto engine = engineOnDrives(game_, walked()))
            return choice(GameChoice::Kind::Engine, *engine);
        return std::nullopt;
    }
    // The drives, walked once.
    const GamesFound& walked() {
        if (!walked_) walked_ = FindGamesOnDrives(drives_, follower_);
        return *walked_;
    }

    const Drives& drives_;
    const ConfigPlace& place_;
    const Game& game_;
    const InstalledGames& installed_;
    SearchFollower* follower_;
    std::optional<GamesFound> walked_;
};

}  // namespace

bool FoundAGameToTest(const GamesFound& onDriveC, const InstalledGames& installed) {
    if (!onDriveC.windowsGames.empty()) return true;
    return std::any_of(Games().begin(), Games().end(), [&](const Game& game) {
        return engineOnDrives(game, onDriveC) || installed.engine(game) ||
               (game.flatpak && installed.flatpak(game.flatpak));
    });
}

std::optional<GameChoice> ChooseGame(const Drives& drives, const std::string& configPath,
                                     SearchFollower* follower) {
    ConfigPlace place = placeOf(drives, configPath);
    InstalledGames installed;
    std::optional<GameChoice> game;
    if (lookUp(drives, place, installed, follower))
        game = Rules(drives, place, installed, follower).choose();
    if (!game) {
        if (!place.game->notFound) return std::nullopt;
        throw AppError("Cannot start " + configPath + ": " + place.game->notFound);
    }
    // A native engine reads the config of its home path's mod folder.
    if (game->kind == GameChoice::Kind::Engine && place.nativeHome) game->homePath = place.parent;
    if (!game->homePath.empty() || place.gameFolder())
        if (AsciiLower(NameOf(place.folder)) != place.game->baseFolder)
            game->mod = NameOf(place.folder);
    return game;
}

}  // namespace brisko
