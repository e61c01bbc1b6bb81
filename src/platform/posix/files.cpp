#include "platform/posix/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace brisko::posix {

int OpenRegularFile(const std::string& path) {
    // The type is tested before the open, so that a device is never opened, and
    // again on the descriptor, in case the name changed in between; O_NONBLOCK
    // keeps the open itself from waiting on a FIFO put there meanwhile.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
    const int fd = OpenRegularFile(path);
    if (fd < 0) return std::nullopt;
    std::string text;
    bool ok = true;
    char buffer[65536];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    return text;
}

bool MayReplace(const std::string& path, mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

bool OnlyOwnerMayChange(const struct stat& info) {
    const bool owned = info.st_uid == ::getuid() || info.st_uid == 0;
    return owned && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace brisko::posix
