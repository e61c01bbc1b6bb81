// Program-wide state shared by start-up, the dialogs and the config writer.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brisko {

struct ProgramState {
    // Full paths of the config files found at start-up, in discovery order.
    std::vector<std::string> configFiles;
    // The config file being modified; empty until a config choice dialog's OK.
    std::string currentConfigPath;
    // Where that path led when it was chosen, every symbolic link resolved: the file
    // (none when there was none), and the place of a file at the path itself (its
    // folder resolved). Save writes at the one or, once the path is no link, the other.
    struct ChosenPlace {
        std::optional<std::string> target, inPlace;
    };
    ChosenPlace currentConfigPlace;
};

}  // namespace brisko
