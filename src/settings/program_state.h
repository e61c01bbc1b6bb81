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
    // The file that path led to when it was chosen, every symbolic link resolved;
    // none when it led to nothing. Save replaces this file and no other.
    std::optional<std::string> currentConfigTarget;
};

}  // namespace brisko
