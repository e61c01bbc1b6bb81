// The games Save & Test can start: the Windows game quake3.exe (through Wine) and
// the native engines, found on PATH and on the drives.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "discovery/find_files.h"
#include "platform/platform.h"

namespace brisko {

// The folder that holds a path, without a trailing '/' ("/" for the root).
std::string FolderOf(const std::string& path);

// Whether the path names a regular file (or a link to one) that the user may execute.
bool IsExecutableFile(const std::string& path);

// The executables of these names in the folders of PATH: each folder in order, each
// name in the order given. Empty and relative entries of PATH are not searched.
std::vector<std::string> FindOnPath(std::span<const char* const> names);

// Whether start-up enables Save & Test: a quake3.exe or a native engine on drive C:,
// or a native engine on PATH. A native engine counts only as an executable file.
bool GameToTest(const GamesFound& onDriveC);

// The game that tests the config at `configPath`, by the first rule that applies:
//   1. the quake3.exe (any case) of the config's own game folder, GAME/MOD/config;
//   2. for a config under ~/.q3a/ (drive C:'s .q3a/, where native engines read
//      theirs), the first native engine, PATH first, then the drives;
//   3. the first quake3.exe on the drives, else the first native engine as in 2.
// Empty when there is no game. The drives are walked (once) only when needed, the
// walk followed by `follower` when given (stopped, it counts what it had found).
std::string ChooseGame(const Drives& drives, const std::string& configPath,
                       SearchFollower* follower = nullptr);

}  // namespace brisko
