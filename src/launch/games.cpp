#include "launch/games.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "platform/ascii.h"
#include "platform/posix/files.h"

namespace brisko {

namespace {

// The quake3.exe (any case) of the game folder that holds the config's mod folder.
std::optional<std::string> ownWindowsGame(const std::string& configPath) {
    const std::string gameFolder = FolderOf(FolderOf(configPath));
    DIR* dir = ::opendir(gameFolder.c_str());
    if (!dir) return std::nullopt;
    std::optional<std::string> game;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string path = (gameFolder == "/" ? "" : gameFolder) + "/" + entry->d_name;
        if (asciiLower(entry->d_name) == kGameExecutable && posix::IsRegularFile(path)) {
            game = path;
            break;
        }
    }
    ::closedir(dir);
    return game;
}

std::optional<std::string> firstExecutable(const std::vector<std::string>& paths) {
    const auto it = std::find_if(paths.begin(), paths.end(), IsExecutableFile);
    if (it == paths.end()) return std::nullopt;
    return *it;
}

}  // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsExecutableFile(const std::string& path) {
    return posix::IsRegularFile(path) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> FindOnPath(std::span<const char* const> names) {
    std::vector<std::string> found;
    const char* variable = std::getenv("PATH");
    std::string_view rest = variable ? variable : "";
    while (!rest.empty()) {
        const auto colon = std::min(rest.find(':'), rest.size());
        std::string folder(rest.substr(0, colon));
        rest.remove_prefix(std::min(colon + 1, rest.size()));
        if (folder.empty() || folder.front() != '/') continue;
        if (folder.back() != '/') folder += '/';
        for (const char* name : names)
            if (IsExecutableFile(folder + name)) found.push_back(folder + name);
    }
    return found;
}

bool GameToTest(const GamesFound& onDriveC) {
    return !onDriveC.windowsGames.empty() || firstExecutable(onDriveC.nativeEngines) ||
           !FindOnPath(kNativeEngines).empty();
}

std::string ChooseGame(const Drives& drives, const std::string& configPath,
                       SearchFollower* follower) {
    if (!configPath.empty())
        if (auto own = ownWindowsGame(configPath)) return *own;

    const std::string home = drives.root('C');
    const bool nativeConfig = !home.empty() && configPath.starts_with(home + ".q3a/");
    const std::vector<std::string> onPath = FindOnPath(kNativeEngines);
    if (nativeConfig && !onPath.empty()) return onPath.front();

    GamesFound onDrives;
    FindGamesOnDrives(drives, onDrives, follower);
    const std::optional<std::string> engineOnDrives = firstExecutable(onDrives.nativeEngines);
    if (nativeConfig && engineOnDrives) return *engineOnDrives;
    if (!onDrives.windowsGames.empty()) return onDrives.windowsGames.front();
    if (!onPath.empty()) return onPath.front();
    return engineOnDrives.value_or("");
}

}  // namespace brisko
