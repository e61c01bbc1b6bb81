// A piece of a search that one thread walks, and what it finds.
//
// A search starts with one task per root folder. When a thread runs out of work,
// a busy thread gives it the later part of one of its folder listings as a new
// task, and marks the place where that part belongs in its own output; reading
// the outputs from the first root on and following those marks gives the paths
// in the order of a walk by one thread. A folder on which another file system of
// a network or FUSE type is mounted becomes a task of its own in the same way,
// walked after the rest of its root, its place marked where it was met.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "discovery/folder_source.h"
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
    // For each folder still open, innermost last, the tasks given the tail of its
    // listing in order: their steps belong after the folder's own (a search
    // stopped midway reads them from here).
    std::vector<std::vector<std::size_t>> open;
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
    // Set for a continued task whose one record is a mount point to walk last: it
    // is entered now, not put off again.
    bool mountPoint = false;
    // The folders of the root's tree that are mount points to walk last, as the walk
    // writes them (with their trailing '/'); none until the root task has read them.
    std::shared_ptr<const std::vector<std::string>> walkLast;
    WalkOutput output;
};

// A mask and the list (by number) its matches go to.
struct RootMask {
    NameMask mask;
    std::size_t list;
    bool counted;  // its matches count as found in the progress of the search
};

// What every thread of one search walks by.
struct WalkSetup {
    bool recursive = true;
    bool useListedTypes = true;
    std::vector<std::vector<RootMask>> masks;  // per search root
    FolderSource* source = &FolderSource::system();
    // The mount points of network and FUSE file systems (absolute, without a
    // trailing '/'): walked after the rest of the root that holds them.
    std::vector<std::string> remoteMounts;
    // Whether walks write down the folders they enter and pass over (to settle,
    // when a folder was met twice, which place of it comes first in the lists).
    bool recordFolders = false;
};

}  // namespace brisko
