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

// Empties `list`, then appends the path of every entry named `name` (any case) on
// drive C: and then on each present drive from D: to Z:, in one search: a folder
// met again on a later drive (mounted there too) is not walked again.
void FindFileOnDrives(const Drives& drives, const std::string& name,
                      std::vector<std::string>& list);

// FindFileOnDrives for "q3config.cfg".
void FindConfigFiles(const Drives& drives, std::vector<std::string>& list);

// Empties `list`, then appends the path of every "quake3.exe" on drive C: only.
void FindGameExecutable(const Drives& drives, std::vector<std::string>& list);

// The two start-up searches with one walk of drive C:: `configFiles` as
// FindConfigFiles leaves it, `gameExecutables` as FindGameExecutable leaves it.
void FindStartupFiles(const Drives& drives, std::vector<std::string>& configFiles,
                      std::vector<std::string>& gameExecutables);

}  // namespace brisko
