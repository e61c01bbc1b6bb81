#include "launch/installed_games.h"

#include <algorithm>

#include "platform/posix/environment.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

// Beside the engines: what starts the games that are not engines.
constexpr const char* kStarters[] = {"flatpak", "steam", "wine"};

// The Flatpak applications that start games: each game's own, then Steam's.
std::vector<const char*> flatpakApplications() {
    std::vector<const char*> applications;
    for (const Game& game : Games())
        if (game.flatpak) applications.push_back(game.flatpak);
    applications.push_back(kSteamFlatpak);
    return applications;
}

bool namedOneOf(const std::string& path, std::span<const char* const> names) {
    const std::string name = NameOf(path);
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::vector<SearchRoot> InstalledGames::roots(const Drives& drives) {
    std::vector<std::string> onPath, fixed, flatpaks;
    for (const std::string& folder : posix::PathFolders()) {
        for (const Game& game : Games())
            for (const char* engine : game.engines) onPath.push_back(folder + engine);
        for (const char* starter : kStarters) onPath.push_back(folder + starter);
    }
    const std::string system = drives.systemRoot();
    const std::string home = WithoutTrailingSlash(drives.root('C'));
    for (const char* application : flatpakApplications()) {
        if (!system.empty()) flatpaks.push_back(system + "var/lib/flatpak/app/" + application);
        flatpaks.push_back(home + "/.local/share/flatpak/app/" + application);
    }
    if (!system.empty())
        for (const Game& game : Games())
            for (const char* place : game.fixedPlaces) fixed.push_back(system + place);
    return {SearchRoot::lookup(std::move(onPath), {{}, Check::Executable, &onPath_},
                               {"PATH", "the game"}),
            SearchRoot::lookup(std::move(fixed), {{}, Check::Executable, &fixedPlaces_},
                               {"the folders of installed games", "the game"}),
            SearchRoot::lookup(std::move(flatpaks), {{}, Check::Folder, &flatpaks_},
                               {"the Flatpak applications", "the game"})};
}

std::optional<std::string> InstalledGames::onPath(std::span<const char* const> names) const {
    const auto at = std::find_if(onPath_.begin(), onPath_.end(),
                                 [&](const std::string& path) { return namedOneOf(path, names); });
    if (at == onPath_.end()) return std::nullopt;
    return *at;
}

std::optional<std::string> InstalledGames::engine(const Game& game) const {
    if (auto engine = onPath(game.engines)) return engine;
    for (const std::string& path : fixedPlaces_)
        if (std::any_of(game.fixedPlaces.begin(), game.fixedPlaces.end(),
                        [&](const char* place) { return path.ends_with(place); }))
            return path;
    return std::nullopt;
}

std::optional<std::string> InstalledGames::flatpak(const char* application) const {
    const auto program = onPath("flatpak");
    const bool installed = std::any_of(flatpaks_.begin(), flatpaks_.end(),
                                       [&](auto& folder) { return NameOf(folder) == application; });
    if (!program || !installed) return std::nullopt;
    return program;
}

}  // namespace brisko
