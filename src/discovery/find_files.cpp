#include "discovery/find_files.h"

#include "discovery/folder_search.h"

namespace brisko {

bool DrivePresent(const Drives& drives, char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') throw AppError("Invalid drive letter");
    return (drives.logicalDriveMask() >> (letter - 'A')) & 1u;
}

std::vector<DriveRoot> SearchedDrives(const Drives& drives) {
    std::vector<DriveRoot> searched{{'C', drives.root('C')}};
    for (char letter = 'D'; letter <= 'Z'; ++letter)
        if (DrivePresent(drives, letter)) searched.push_back({letter, drives.root(letter)});
    return searched;
}

void FindFileOnDrives(const Drives& drives, const std::string& name,
                      std::vector<std::string>& list) {
    list.clear();
    std::vector<SearchRoot> roots;
    for (const DriveRoot& drive : SearchedDrives(drives))
        roots.push_back(SearchRoot::walk(drive.folder, {{{name}, Check::Listed, true}}));
    FolderSearch search(std::move(roots), {.remoteMounts = drives.remoteMounts()});
    for (auto& root : search.results()) list.insert(list.end(), root[0].begin(), root[0].end());
}

}  // namespace brisko
