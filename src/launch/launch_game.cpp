#include "launch/launch_game.h"

#include <unistd.h>

#include <vector>

#include "discovery/find_files.h"
#include "platform/posix/files.h"

namespace brisko {

namespace {

// A Windows program: a .exe file that begins with the bytes "MZ".
bool isWindowsProgram(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (ext != ".exe") return false;
    const int fd = posix::OpenRegularFile(path);
    if (fd < 0) return false;
    char magic[2] = {};
    const bool windows = ::read(fd, magic, 2) == 2 && magic[0] == 'M' && magic[1] == 'Z';
    ::close(fd);
    return windows;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::string GameParameters(const std::string& map, bool cheats, const std::string& extra) {
    std::string parameters = (cheats ? " +devmap " : " +map ") + map;
    if (extra.size() >= 2) parameters += " " + extra;
    return parameters;
}

void LaunchGame(Platform& platform, const std::string& map, bool cheats, const std::string& extra) {
    std::vector<std::string> found;
    FindFileOnDrives(platform.drives, "quake3.exe", found);
    if (found.empty()) throw AppError("List index out of bounds (0)");
    const std::string& executable = found.front();

    std::vector<std::string> args;
    std::string program = executable;
    if (isWindowsProgram(executable)) {
        program = "wine";
        args.push_back(executable);
    }
    for (std::string& arg : platform.processes.splitCommandLine(GameParameters(map, cheats, extra)))
        args.push_back(std::move(arg));
    if (!platform.processes.startDetached(program, args, folderOf(executable)))
        throw AppError("Cannot start " + executable);
}

}  // namespace brisko
