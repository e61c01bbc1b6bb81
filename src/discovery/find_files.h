// The drive-wide searches: drive C: first, then every present drive from D: to Z:.
// Drives A: and B: are never searched.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace brisko {

// Whether the drive with this letter (either case) exists; raises "Invalid drive
// letter" for a character that is not a letter.
bool DrivePresent(const Drives& drives, char letter);

// A drive a drive-wide search walks: its letter and its folder (with its '/').
struct DriveRoot {
    char letter;
    std::string folder;
};

// The drives a drive-wide search walks: C:, then each present drive from D: to Z:.
std::vector<DriveRoot> SearchedDrives(const Drives& drives);

// Empties `list`, then appends the path of every entry named `name` (any case) on
// drive C: and then on each present drive from D: to Z:, in one search: a folder
// met again on a later drive (mounted there too) is not walked again.
void FindFileOnDrives(const Drives& drives, const std::string& name,
                      std::vector<std::string>& list);

}  // namespace brisko
