#include "platform/posix/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

#include "platform/posix/paths.h"

namespace brisko::posix {

namespace {

// A staged file for NAME is named ".NAME.brisko-" and six letters or digits.
constexpr std::string_view kStagedMark = ".brisko-";
constexpr std::size_t kStagedSuffix = 6;
constexpr int kNameAttempts = 16;

std::string stagedPrefix(const std::string& name) {
    return "." + name + std::string(kStagedMark);
}

bool isStagedName(std::string_view entry, const std::string& name) {
    const std::string prefix = stagedPrefix(name);
    if (!entry.starts_with(prefix) || entry.size() != prefix.size() + kStagedSuffix) return false;
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

std::string stagedPath(const std::string& folder, const std::string& name) {
    static constexpr std::string_view kLetters =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::string suffix;
    for (std::size_t i = 0; i < kStagedSuffix; ++i) suffix += kLetters[random() % kLetters.size()];
    return JoinPath(folder, stagedPrefix(name) + suffix);
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
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

// The name through which an open file without a name of its own can be given one.
std::string linkablePath(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// A file without a name in `folder`, where the file system makes one and the
// system can name it later; -1 otherwise.
int openUnnamed(const std::string& folder) {
    if (::access("/proc/self/fd", X_OK) != 0) return -1;
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    if (fd >= 0) ::close(fd);
    return -1;
}

// A new file under a staged name for `name`, locked; -1 when none can be made.
int openStaged(const std::string& folder, const std::string& name, std::string& path) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        path = stagedPath(folder, name);
        const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return -1;
        // Another save's clean-up may remove the name between its making and its lock.
        struct stat opened {
        }, named{};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
            ::lstat(path.c_str(), &named) == 0 && sameFile(opened, named))
            return fd;
        ::close(fd);
    }
    return -1;
}

}  // namespace

std::optional<StagedFile> StagedFile::write(const std::string& folder, const std::string& name,
                                            const std::string& content, const FileOwnership& like) {
    std::string path;
    int fd = openUnnamed(folder);
    if (fd < 0) fd = openStaged(folder, name, path);
    if (fd < 0) return std::nullopt;
    StagedFile staged(fd, folder, name, path);
    // Owner and group where this user may give them; the permission bits after
    // that, since a change of owner clears the set-id bits.
    if (::fchown(fd, like.owner, like.group) != 0) {
    }
    if (!writeAll(fd, content) || ::fchmod(fd, like.mode & 07777) != 0 || ::fsync(fd) != 0)
        return std::nullopt;  // the staged file goes with it
    return staged;
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : fd_(other.fd_),
      folder_(std::move(other.folder_)),
      name_(std::move(other.name_)),
      path_(std::move(other.path_)) {
    other.fd_ = -1;
    other.path_.clear();
}

StagedFile::~StagedFile() {
    // The name goes while the lock is still held.
    if (!path_.empty()) ::unlink(path_.c_str());
    if (fd_ >= 0) ::close(fd_);
}

bool StagedFile::nameStaged() {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string path = stagedPath(folder_, name_);
        if (::linkat(AT_FDCWD, linkablePath(fd_).c_str(), AT_FDCWD, path.c_str(),
                     AT_SYMLINK_FOLLOW) == 0) {
            path_ = std::move(path);
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool StagedFile::replace(const std::string& target) {
    // A rename is the one step that replaces a name: the file needs a name first.
    if (path_.empty() && !nameStaged()) return false;
    if (::rename(path_.c_str(), target.c_str()) != 0) return false;
    path_.clear();
    return true;
}

bool StagedFile::publishNew(const std::string& target) {
    // A link never replaces an existing name; where the file system has no hard
    // links, a rename that refuses to replace does the same.
    if (path_.empty())
        return ::linkat(AT_FDCWD, linkablePath(fd_).c_str(), AT_FDCWD, target.c_str(),
                        AT_SYMLINK_FOLLOW) == 0;
    if (::link(path_.c_str(), target.c_str()) == 0) return true;  // the staged name goes
    if (errno == EEXIST) return false;
    if (::renameat2(AT_FDCWD, path_.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) != 0)
        return false;
    path_.clear();
    return true;
}

std::optional<std::string> ResolvedPath(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return std::nullopt;
    std::string out(resolved);
    std::free(resolved);
    return out;
}

bool EntryExists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 || errno != ENOENT;
}

void RemoveStaleStagedFiles(const std::string& folder, const std::string& name) {
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return;
    DIR* listing = ::fdopendir(dirFd);
    if (!listing) {
        ::close(dirFd);
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        if (!isStagedName(entry->d_name, name)) continue;
        const int fd =
            ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        // A save that runs holds the lock of its staged file; the name is checked
        // to be that same file once the lock is taken.
        struct stat opened {
        }, named{};
        if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            sameFile(opened, named))
            ::unlinkat(dirFd, entry->d_name, 0);
        ::close(fd);
    }
    ::closedir(listing);
}

std::optional<FileOwnership> OwnershipOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return FileOwnership{info.st_mode, info.st_uid, info.st_gid};
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace brisko::posix
