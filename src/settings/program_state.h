// Program-wide state shared by start-up, the dialogs and the config writer.
#pragma once

#include <string>
#include <vector>

namespace brisko {

// The games a search found, each list in the order of the search.
struct GamesFound {
    std::vector<std::string> windowsGames;   // every Windows program of a game
    std::vector<std::string> nativeEngines;  // every entry named like an engine of any of the games
};

struct ProgramState {
    // Full paths of the config files found at start-up, in discovery order.
    std::vector<std::string> configFiles;
    // The config file being modified; empty until a config choice dialog's OK.
    std::string currentConfigPath;
    // The games found on drive C: at start-up.
    GamesFound gamesOnDriveC;
};

}  // namespace brisko
