#include "discovery/search_directory.h"

#include "discovery/folder_search.h"

namespace brisko {

void SearchDirectory(std::string dir, const std::string& mask, bool recursive,
                     std::vector<std::string>& list) {
    const SearchTarget target{mask, &list};
    SearchDirectoryFor(std::move(dir), {&target, 1}, recursive);
}

void SearchDirectoryFor(std::string dir, std::span<const SearchTarget> targets, bool recursive,
                        WalkOptions options) {
    const SearchRoot root{std::move(dir), targets};
    SearchDirectoriesFor({&root, 1}, recursive, options);
}

void SearchDirectoriesFor(std::span<const SearchRoot> roots, bool recursive, WalkOptions options) {
    FolderSearch search(roots, recursive, options);
    search.deliver();
}

}  // namespace brisko
