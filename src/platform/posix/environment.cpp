#include "platform/posix/environment.h"

#include <cstdlib>
#include <string_view>

#include "platform/posix/paths.h"

namespace brisko::posix {

std::optional<std::string> ConfigHome() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (!config || config[0] != '/') return std::nullopt;
    return WithoutTrailingSlash(config);
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

}  // namespace brisko::posix
