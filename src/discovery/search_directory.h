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
// opened or read are skipped without a word.
#pragma once

#include <span>
#include <string>
#include <vector>

namespace brisko {

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
};

struct WalkOptions {
    // Take an entry's type from the listing where the file system gives it; off,
    // every entry's type is read with a stat of its own.
    bool useListedTypes = true;
};

// The same search for several masks in one walk: every list ends up exactly as
// SearchDirectory with its mask alone would leave it.
void SearchDirectoryFor(std::string dir, std::span<const SearchTarget> targets, bool recursive,
                        WalkOptions options = {});

}  // namespace brisko
