// How one search runs.
#pragma once

#include <string>
#include <vector>

namespace brisko {

class FolderSource;
class UnansweredMounts;

struct SearchOptions {
    // Take an entry's type from the listing where the file system gives it; off,
    // every entry's type is read with a stat of its own.
    bool useListedTypes = true;
    // The threads that walk: 0 for the program's own choice (16 for walks).
    unsigned threads = 0;
    // The calls that read folders: none for the system's.
    FolderSource* source = nullptr;
    // The mount points of network and FUSE file systems (Drives::remoteMounts()):
    // those inside a folder walked are walked after the rest of it.
    std::vector<std::string> remoteMounts = {};
    // Where earlier searches were left waiting: neither entered nor looked at.
    UnansweredMounts* unanswered = nullptr;
};

}  // namespace brisko
