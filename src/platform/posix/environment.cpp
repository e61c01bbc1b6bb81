#include "platform/posix/environment.h"

#include <algorithm>
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
    std::string_view rest = variable ? variable : "";
    while (!rest.empty()) {
        const auto colon = std::min(rest.find(':'), rest.size());
        std::string folder(rest.substr(0, colon));
        rest.remove_prefix(std::min(colon + 1, rest.size()));
        if (folder.empty() || folder.front() != '/') continue;
        if (folder.back() != '/') folder += '/';
        folders.push_back(std::move(folder));
    }
    return folders;
}

}  // namespace brisko::posix
