// The directory search: a depth-first walk in listing order that collects the
// paths of the entries whose names match a mask.
//
// How entries count on this system:
//   regular file             listed when its name matches
//   symbolic link            never entered; listed when its name matches
//   directory                entered (with recursion on)
//   read-only directory      (no write permission for anyone) not entered; listed
//                            when its name matches
//   socket, FIFO, device     left out
// Names beginning with a dot are ordinary names. Directories that cannot be
// opened or read are skipped without a word. An entry whose full path would be
// longer than the system's path limit is left out, as nothing could open it. A
// folder reached a second time in one search (same device and inode, through a
// bind mount or a disk mounted twice) is not walked again: its entries are listed
// once, where it was met first.
//
// The walk has no depth limit and keeps at most 64 folders open at once. It runs
// on several threads (more than a machine has processors, so that folders not
// in the cache are read from the disk several at a time); the lists come out
// exactly as the walk by one thread gives them. Inside each folder searched, the
// mount points of network and FUSE file systems are walked after everything
// else, and what they hold is listed where they were met.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace brisko {

class FolderSource;

// Appends to `list` the path of every entry below `dir` whose name matches `mask`
// (see NameMask), formed as the directory's path plus the name as listed. With
// `recursive` on, sub-directories are searched to completion where they are met in
// their parent's listing. An empty `dir` searches nothing; a missing trailing '/'
// is added.
void SearchDirectory(std::string dir, const std::string& mask, bool recursive,
                     std::vector<std::string>& list);

// One mask and the list its matches go to.
struct SearchTarget {
    std::string mask;
    std::vector<std::string>* list;
    bool counted = false;  // its matches count as found in the progress of the search
};

struct WalkOptions {
    // Take an entry's type from the listing where the file system gives it; off,
    // every entry's type is read with a stat of its own.
    bool useListedTypes = true;
    // The threads that walk: 0 for the program's own choice.
    unsigned threads = 0;
    // The calls that read folders: none for the system's.
    FolderSource* source = nullptr;
};

// The same search for several masks in one walk: every list ends up exactly as
// SearchDirectory with its mask alone would leave it.
void SearchDirectoryFor(std::string dir, std::span<const SearchTarget> targets, bool recursive,
                        WalkOptions options = {});

// A folder to search and the masks searched below it.
struct SearchRoot {
    std::string dir;
    std::span<const SearchTarget> targets;
};

// One search of several folders in turn, as SearchDirectoryFor on each; a folder
// reached again, in the same root or another, is walked only where met first.
void SearchDirectoriesFor(std::span<const SearchRoot> roots, bool recursive,
                          WalkOptions options = {});

}  // namespace brisko
