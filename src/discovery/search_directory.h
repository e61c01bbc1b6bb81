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
// exactly as the walk by one thread gives them. FolderSearch runs such walks,
// with several names and roots at once.
#pragma once

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

}  // namespace brisko
