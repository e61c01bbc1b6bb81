// The folders the user's environment names for programs and settings.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brisko::posix {

// $XDG_CONFIG_HOME without a trailing '/', when it holds an absolute path.
std::optional<std::string> ConfigHome();

// The folders of $PATH in order, each with a trailing '/'; empty and relative
// entries are left out.
std::vector<std::string> PathFolders();

}  // namespace brisko::posix
