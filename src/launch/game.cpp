#include "launch/game.h"

#include <string_view>

#include "platform/posix/environment.h"

namespace brisko {

namespace {

constexpr const char* kQuake3Engines[] = {
    "ioquake3", "ioquake3.x86_64",    "ioquake3.arm64", "ioquake3.x86",    "quake3e.x64",
    "quake3e",  "quake3e-vulkan.x64", "quake3e-vulkan", "quake3e.aarch64", "quake3"};
constexpr const char* kOpenArenaEngines[] = {"openarena", "openarena.x86_64"};
constexpr const char* kUrbanTerrorEngines[] = {"Quake3-UrT.x86_64", "Quake3-UrT", "urbanterror"};

// ioquake3 before 2025 and Quake3e; ioquake3 since 2025; the ioquake3 Flatpak.
constexpr const char* kQuake3Homes[] = {"~/.q3a", "$XDG_CONFIG_HOME/Quake3"};
constexpr const char* kQuake3FlatpakHomes[] = {"~/.var/app/org.ioquake3.ioquake3/data/q3a",
                                               "~/.var/app/org.ioquake3.ioquake3/data",
                                               "~/.var/app/org.ioquake3.ioquake3/config/Quake3"};
constexpr const char* kOpenArenaHomes[] = {"~/.openarena"};

constexpr const char* kQuake3Places[] = {"usr/lib/ioquake3/ioquake3", "opt/quake3/ioquake3",
                                         "usr/games/quake3", "usr/games/ioquake3"};

constexpr const char* kItsGameNotFound = "its game was not found";

// The test maps are those each game has today: Quake III's are in the 1.32
// release and its demo (q3dm7 and q3dm17 were the first test release's maps),
// OpenArena's in its maps pack, Urban Terror's in its 4.x map cycle.
// clang-format off
const Game kGames[] = {
    // Quake III Arena
    {kQuake3Engines, "baseq3", kQuake3Homes, kQuake3FlatpakHomes,
     "quake3.exe", "2200", "org.ioquake3.ioquake3", kQuake3Places,
     {"q3dm7", "q3dm17", "q3tourney2"}, nullptr},
    // OpenArena
    {kOpenArenaEngines, "baseoa", kOpenArenaHomes, {},
     nullptr, nullptr, nullptr, {},
     {"oa_dm1", "wrackdm17", "czest1tourney"}, kItsGameNotFound},
    // Urban Terror, which shares the homes of Quake III
    {kUrbanTerrorEngines, "q3ut4", kQuake3Homes, {},
     nullptr, nullptr, nullptr, {},
     {"ut4_casa", "ut4_turnpike", "ut4_abbey"}, kItsGameNotFound},
};
// clang-format on

}  // namespace

std::span<const Game> Games() {
    return kGames;
}

const Game& Quake3() {
    return kGames[0];
}

std::string HomeFolder(const std::string& home, const char* entry) {
    const std::string_view path(entry);
    constexpr std::string_view kConfigHome = "$XDG_CONFIG_HOME/";
    if (!path.starts_with(kConfigHome)) return home + std::string(path.substr(1));
    return posix::ConfigHome().value_or(home + "/.config") + "/" +
           std::string(path.substr(kConfigHome.size()));
}

}  // namespace brisko
