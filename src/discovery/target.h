// What a search looks for: names, and what an entry of such a name must be to be
// kept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brisko {

// What a found entry must be to be kept.
enum class Check : std::uint8_t {
    // A walk's own rule (a regular file, a symbolic link, a read-only folder); for
    // a path looked up: that the path exists.
    Listed,
    // A regular file (a link followed).
    File,
    // A regular file (a link followed) that the user may execute.
    Executable,
    // A folder (a link followed); a walk keeps the folders it meets, entered or not.
    Folder,
};

// Names looked for (masks as SearchDirectory's, any case); the matches of all of
// them go to one list, in walk order.
struct Target {
    std::vector<std::string> masks;
    Check check = Check::Listed;
    bool counted = false;  // its matches count as found in the progress
};

}  // namespace brisko
