// The folders the user's environment names for programs and settings.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brisko::posix {

// $XDG_CONFIG_HOME without a trailing '/', when it holds an absolute path.
std::optional<std::string> ConfigHome();

// The folders of $PATH in order, each made absolute (relative to the folder Brisko
// was started in) and clean as CleanAbsolutePath makes it, with a trailing '/'; an
// empty entry is the folder Brisko was started in.
std::vector<std::string> PathFolders();

}  // namespace brisko::posix
