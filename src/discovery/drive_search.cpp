#include "discovery/drive_search.h"

namespace brisko {

namespace {
std::vector<std::string> foldersOf(std::span<const SearchRoot> roots) {
    std::vector<std::string> folders;
    for (const SearchRoot& root : roots) folders.push_back(root.dir);
    return folders;
}
}  // namespace

DriveSearch::DriveSearch(std::span<const SearchRoot> roots, std::string letters, Sought sought,
                         WalkOptions options)
    : letters_(std::move(letters)),
      folders_(foldersOf(roots)),
      sought_(sought),
      walk_(roots, true, options) {}

void DriveSearch::finish(SearchFollower* follower) {
    if (follower) follower->follow(*this);
    walk_.deliver();
}

}  // namespace brisko
