#include "config/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace brisko {

namespace {

// Staged files are named ".brisko-" and six letters or digits (mkostemp's).
constexpr std::string_view kStagedPrefix = ".brisko-";
constexpr std::size_t kStagedSuffix = 6;
constexpr std::time_t kStaleAfterSeconds = 60;

bool isStagedName(std::string_view name) {
    if (!name.starts_with(kStagedPrefix) || name.size() != kStagedPrefix.size() + kStagedSuffix)
        return false;
    return std::all_of(name.begin() + kStagedPrefix.size(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

bool writeAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::optional<StagedFile> StagedFile::write(const std::string& folder, const std::string& content,
                                            const FileOwnership& like) {
    std::string name = folder + std::string(kStagedPrefix) + std::string(kStagedSuffix, 'X');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    StagedFile staged(name);
    // Owner and group where this user may give them; the permission bits after
    // that, since a change of owner clears the set-id bits.
    if (::fchown(fd, like.owner, like.group) != 0) {
    }
    const bool ok =
        writeAll(fd, content) && ::fchmod(fd, like.mode & 07777) == 0 && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok) return std::nullopt;  // the staged file goes with it
    return staged;
}

StagedFile::StagedFile(StagedFile&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
}

StagedFile::~StagedFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
}

bool StagedFile::replace(const std::string& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) return false;
    path_.clear();
    return true;
}

bool StagedFile::publishNew(const std::string& target) {
    // A hard link never replaces an existing name; where the file system has no
    // hard links, a rename that refuses to replace does the same.
    if (::link(path_.c_str(), target.c_str()) == 0) return true;  // the staged name goes
    if (errno == EEXIST) return false;
    if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0)
        return false;
    path_.clear();
    return true;
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::optional<std::string> resolvedPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return std::nullopt;
    std::string out(resolved);
    std::free(resolved);
    return out;
}

bool entryExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

void RemoveStaleStagedFiles(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    DIR* listing = ::fdopendir(fd);
    if (!listing) {
        ::close(fd);
        return;
    }
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        struct stat info {};
        if (!isStagedName(entry->d_name) ||
            ::fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || now - info.st_mtime < kStaleAfterSeconds)
            continue;
        ::unlinkat(fd, entry->d_name, 0);
    }
    ::closedir(listing);
}

std::optional<FileOwnership> ownershipOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileOwnership{info.st_mode, info.st_uid, info.st_gid};
}

void syncFolder(const std::string& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace brisko
