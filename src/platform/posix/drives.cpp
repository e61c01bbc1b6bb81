#include "platform/posix/drives.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/posix/home.h"
#include "platform/posix/paths.h"

namespace brisko::posix {

namespace {

constexpr std::size_t kMaxDisks = 'Z' - 'D' + 1;

// File system types served over a network or by a program (FUSE); a type ending
// in '*' stands for every type that begins with the rest. "fuseblk" (a FUSE driver
// of a local disk, such as ntfs-3g) is not among them.
constexpr std::string_view kRemoteTypes[] = {
    "nfs*", "cifs", "smb3",   "smbfs", "9p",   "virtiofs", "davfs",
    "afs",  "ceph", "lustre", "coda",  "fuse", "fuse.*",
};

bool remoteType(std::string_view type) {
    return std::any_of(std::begin(kRemoteTypes), std::end(kRemoteTypes), [type](auto pattern) {
        return pattern.back() == '*'
                   ? type.substr(0, pattern.size() - 1) == pattern.substr(0, pattern.size() - 1)
                   : type == pattern;
    });
}

// A field of the mount table: blanks, tabs, newlines and backslashes are written
// as three-digit octal escapes.
std::string unescape(std::string_view field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string_view digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>((digits[0] - '0') * 64 + (digits[1] - '0') * 8 +
                                         (digits[2] - '0'));
                i += 3;
                continue;
            }
        }
        out += field[i];
    }
    return out;
}

// Whether `path` is `folder` or lies inside it.
bool within(const std::string& path, const std::string& folder) {
    if (path == folder) return true;
    if (folder == "/") return true;
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path[folder.size()] == '/';
}

std::string canonical(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) return resolved;
    return WithoutTrailingSlash(path);
}

}  // namespace

std::vector<std::string> DiskMountPoints(std::string_view mountTable, const std::string& home) {
    const std::string homePath = WithoutTrailingSlash(home);
    std::vector<std::string> points;
    std::istringstream lines{std::string(mountTable)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string source, point;
        if (!(fields >> source >> point)) continue;
        source = unescape(source);
        point = WithoutTrailingSlash(unescape(point));
        if (source.rfind("/dev/", 0) != 0) continue;
        if (point == "/" || within(point, "/boot")) continue;
        if (!homePath.empty() && (within(point, homePath) || within(homePath, point))) continue;
        points.push_back(point);
    }
    std::sort(points.begin(), points.end());
    points.erase(std::unique(points.begin(), points.end()), points.end());
    if (points.size() > kMaxDisks) points.resize(kMaxDisks);
    return points;
}

std::vector<std::string> RemoteMountPoints(std::string_view mountTable) {
    std::vector<std::string> points;
    std::istringstream lines{std::string(mountTable)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string source, point, type;
        if (fields >> source >> point >> type && remoteType(type))
            points.push_back(WithoutTrailingSlash(unescape(point)));
    }
    return points;
}

PosixDrives::PosixDrives() : PosixDrives(HomeFolder(), "/proc/self/mounts") {}

// The home made absolute and clean once: a walk from a relative root finds
// relative paths, and the game cannot be told a home folder written with "//" (it
// would read a comment there).
PosixDrives::PosixDrives(const std::string& home, std::string mountTableFile)
    : home_(CleanAbsolutePath(home)), mountTableFile_(std::move(mountTableFile)) {}

void PosixDrives::readTable() const {
    std::ifstream file(mountTableFile_);
    const std::string table((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    disks_ = DiskMountPoints(table, home_.empty() ? home_ : canonical(home_));
    remoteMounts_ = RemoteMountPoints(table);
    read_ = true;
}

std::uint32_t PosixDrives::logicalDriveMask() const {
    readTable();
    std::uint32_t mask = home_.empty() ? 0 : 1u << ('C' - 'A');
    for (std::size_t i = 0; i < disks_.size(); ++i) mask |= 1u << ('D' - 'A' + i);
    return mask;
}

std::string PosixDrives::root(char letter) const {
    if (letter == 'C') return home_.empty() || home_ == "/" ? home_ : home_ + '/';
    if (!read_) readTable();
    if (letter < 'D' || letter > 'Z') return {};
    const auto index = static_cast<std::size_t>(letter - 'D');
    return index < disks_.size() ? disks_[index] + '/' : std::string();
}

std::vector<std::string> PosixDrives::remoteMounts() const {
    if (!read_) readTable();
    return remoteMounts_;
}

}  // namespace brisko::posix
