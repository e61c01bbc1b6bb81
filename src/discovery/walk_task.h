// A piece of a search that one thread walks, and what it finds.
//
// A search starts with one task per root folder. When a thread runs out of work,
// a busy thread gives it the later part of one of its folder listings as a new
// task, and marks the place where that part belongs in its own output; reading
// the outputs from the first root on and following those marks gives the paths
// in the order of a walk by one thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "discovery/match_mask.h"
#include "discovery/visited_folders.h"

namespace brisko {

struct WalkStep {
    enum class Kind : std::uint8_t {
        Match,   // a path for list `value`: text `text`
        Enter,   // folder `folder` entered; its steps end before step `value`
        Skip,    // folder `folder`, at path `text`, not entered: walked elsewhere already
        Handed,  // the steps of task `value` belong here
    };
    Kind kind;
    std::uint32_t text = 0;
    std::size_t value = 0;
    FolderId folder{};
};

struct WalkOutput {
    std::vector<WalkStep> steps;
    std::vector<std::string> texts;
};

struct WalkTask {
    std::size_t root = 0;  // the search root it belongs to (which names are searched)
    std::string dir;       // the folder's path, ending in '/'
    // The folder expected behind `dir` (none for a search root, which is taken as found).
    std::optional<FolderId> folder;
    // Set when the task is the rest of a folder already entered: `listing` holds the
    // listing records still to do.
    bool continued = false;
    std::vector<char> listing;
    WalkOutput output;
};

// A mask and the list (by number) its matches go to.
struct RootMask {
    NameMask mask;
    std::size_t list;
};

// What every thread of one search walks by.
struct WalkSetup {
    bool recursive = true;
    bool useListedTypes = true;
    std::vector<std::vector<RootMask>> masks;  // per search root
};

}  // namespace brisko
