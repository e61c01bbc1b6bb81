#include "launch/launch_game.h"

#include <unistd.h>

#include <algorithm>
#include <vector>

#include "launch/games.h"
#include "platform/ascii.h"
#include "platform/posix/files.h"

namespace brisko {

namespace {

// A Windows program: a .exe file that begins with the bytes "MZ".
bool isWindowsProgram(const std::string& path) {
    if (path.size() < 4 || asciiLower(path.substr(path.size() - 4)) != ".exe") return false;
    const int fd = posix::OpenRegularFile(path);
    if (fd < 0) return false;
    char magic[2] = {};
    const bool windows = ::read(fd, magic, 2) == 2 && magic[0] == 'M' && magic[1] == 'Z';
    ::close(fd);
    return windows;
}

std::string nameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The Wine prefix that holds a program: the folder above its last "drive_c".
std::string winePrefixOf(const std::string& program) {
    const auto driveC = program.rfind("/drive_c/");
    if (driveC == std::string::npos) return {};
    return driveC == 0 ? "/" : program.substr(0, driveC);
}

}  // namespace

std::string GameParameters(const std::string& map, bool cheats, const std::string& extra) {
    std::string parameters = (cheats ? " +devmap " : " +map ") + map;
    const auto characters =
        std::count_if(extra.begin(), extra.end(), [](char byte) { return (byte & 0xC0) != 0x80; });
    if (characters >= 2) parameters += " " + extra;
    return parameters;
}

std::string ModParameters(const std::string& configPath) {
    const std::string mod = nameOf(FolderOf(configPath));
    if (configPath.empty() || mod.empty() || asciiLower(mod) == "baseq3") return {};
    // A blank would split the folder's name into two words.
    return " +set fs_game " + (mod.find(' ') == std::string::npos ? mod : '"' + mod + '"');
}

void LaunchGame(Platform& platform, const std::string& configPath, const std::string& map,
                bool cheats, const std::string& extra) {
    const std::string game = ChooseGame(platform.drives, configPath, platform.searchFollower);
    if (game.empty()) throw AppError("List index out of bounds (0)");

    std::string program = game;
    std::vector<std::string> args, environment;
    if (isWindowsProgram(game)) {
        const char* const wine[] = {"wine"};
        const std::vector<std::string> wines = FindOnPath(wine);
        if (wines.empty())
            throw AppError("Cannot start " + game +
                           ": Windows programs need Wine, which was not found");
        program = wines.front();
        args.push_back(game);
        if (const std::string prefix = winePrefixOf(game); !prefix.empty())
            environment.push_back("WINEPREFIX=" + prefix);
    }
    const std::string parameters = ModParameters(configPath) + GameParameters(map, cheats, extra);
    for (std::string& arg : platform.processes.splitCommandLine(parameters))
        args.push_back(std::move(arg));
    if (!platform.processes.startDetached(program, args, FolderOf(game), environment))
        throw AppError("Cannot start " + game);
}

}  // namespace brisko
