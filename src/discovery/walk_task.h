// One piece of the work of a search, done by one thread at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>

#include "discovery/walk_place.h"

namespace brisko {

// A folder to open, list and look through.
struct FolderVisit {
    std::size_t root;
    std::string path;  // with its trailing '/'
    const WalkPlace* place;
};

// Paths of a lookup root that lie in one folder, so that a folder that does not
// answer holds one thread only.
struct PathLookup {
    std::size_t root;
    std::uint32_t index;  // the first among the root's paths
    std::uint32_t end;    // after the last
};

using WalkTask = std::variant<FolderVisit, PathLookup>;

inline std::size_t RootOf(const WalkTask& task) {
    return std::visit([](const auto& piece) { return piece.root; }, task);
}

}  // namespace brisko
