#include "platform/posix/environment.h"

#include <cstdlib>
#include <string_view>

#include "platform/posix/paths.h"

extern char** environ;

namespace brisko::posix {

namespace {

constexpr const char* kBus = "DBUS_SESSION_BUS_ADDRESS";

// Whether DisableMissingSessionBus set the bus address, and whether it was there
// (empty) before. Written once, before any thread.
bool busDisabled = false;
bool busWasEmpty = false;

}  // namespace

std::optional<std::string> ConfigHome() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (!config || config[0] != '/') return std::nullopt;
    return CleanAbsolutePath(config);
}

std::vector<std::string> PathFolders() {
    std::vector<std::string> folders;
    const char* variable = std::getenv("PATH");
    if (!variable || !*variable) return folders;
    for (std::string_view rest = variable;;) {
        const auto colon = rest.find(':');
        const std::string_view entry = rest.substr(0, colon);
        const std::string folder = CleanAbsolutePath(entry.empty() ? "." : entry);
        if (!folder.empty()) folders.push_back(folder == "/" ? folder : folder + '/');
        if (colon == std::string_view::npos) return folders;
        rest.remove_prefix(colon + 1);
    }
}

void DisableMissingSessionBus() {
    const char* bus = std::getenv(kBus);
    if (bus && *bus) return;
    busWasEmpty = bus != nullptr;
    busDisabled = ::setenv(kBus, "disabled:", 1) == 0;
}

std::vector<std::string> StartedEnvironment() {
    std::vector<std::string> variables;
    const std::string bus = std::string(kBus) + '=';
    for (char** entry = environ; *entry; ++entry) {
        if (!busDisabled || !std::string_view(*entry).starts_with(bus))
            variables.emplace_back(*entry);
        else if (busWasEmpty)
            variables.push_back(bus);
    }
    return variables;
}

}  // namespace brisko::posix
