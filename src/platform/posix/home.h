// The user's home folder.
#pragma once

#include <string>

namespace brisko::posix {

// $HOME, or the home folder of the user's account when it is unset or empty; ""
// when neither is known.
std::string HomeFolder();

}  // namespace brisko::posix
