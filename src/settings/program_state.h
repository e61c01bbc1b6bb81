// Program-wide state shared by start-up, the dialogs and the config writer.
#pragma once

#include <string>
#include <vector>

namespace brisko {

struct ProgramState {
    // Full paths of the config files found at start-up, in discovery order.
    std::vector<std::string> configFiles;
    // The config file being modified; empty until a config choice dialog's OK.
    std::string currentConfigPath;
};

}  // namespace brisko
