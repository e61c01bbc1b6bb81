#include "discovery/find_files.h"

#include "discovery/search_directory.h"

namespace brisko {

namespace {

constexpr const char* kConfigFile = "q3config.cfg";
constexpr const char* kGameExecutable = "quake3.exe";

void searchDrivesDToZ(const Drives& drives, const std::string& name,
                      std::vector<std::string>& list) {
    for (char letter = 'D'; letter <= 'Z'; ++letter)
        if (DrivePresent(drives, letter)) SearchDirectory(drives.root(letter), name, true, list);
}

}  // namespace

bool DrivePresent(const Drives& drives, char letter) {
    if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z') throw AppError("Invalid drive letter");
    return (drives.logicalDriveMask() >> (letter - 'A')) & 1u;
}

void FindFileOnDrives(const Drives& drives, const std::string& name,
                      std::vector<std::string>& list) {
    list.clear();
    SearchDirectory(drives.root('C'), name, true, list);
    searchDrivesDToZ(drives, name, list);
}

void FindConfigFiles(const Drives& drives, std::vector<std::string>& list) {
    FindFileOnDrives(drives, kConfigFile, list);
}

void FindGameExecutable(const Drives& drives, std::vector<std::string>& list) {
    list.clear();
    SearchDirectory(drives.root('C'), kGameExecutable, true, list);
}

void FindStartupFiles(const Drives& drives, std::vector<std::string>& configFiles,
                      std::vector<std::string>& gameExecutables) {
    configFiles.clear();
    gameExecutables.clear();
    const SearchTarget targets[] = {{kConfigFile, &configFiles},
                                    {kGameExecutable, &gameExecutables}};
    SearchDirectoryFor(drives.root('C'), targets, true);
    searchDrivesDToZ(drives, kConfigFile, configFiles);
}

}  // namespace brisko
