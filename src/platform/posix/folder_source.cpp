#include "platform/posix/folder_source.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <climits>

namespace brisko::posix {

int PosixFolderSource::openAt(int dir, const char* path, int flags) {
    return ::openat(dir, path, flags);
}

int PosixFolderSource::status(int fd, struct stat& st) {
    return ::fstat(fd, &st);
}

int PosixFolderSource::statusAt(int dir, const char* path, struct stat& st, int flags) {
    return ::fstatat(dir, path, &st, flags);
}

int PosixFolderSource::accessAt(int dir, const char* path, int mode) {
    return ::faccessat(dir, path, mode, 0);
}

ssize_t PosixFolderSource::list(int fd, void* buffer, std::size_t size) {
    return ::getdents64(fd, buffer, size);
}

ssize_t PosixFolderSource::read(int fd, void* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}

int PosixFolderSource::close(int fd) {
    return ::close(fd);
}

std::string PosixFolderSource::pathOf(int fd) {
    char link[PATH_MAX];
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t size = ::readlink(proc.c_str(), link, sizeof link);
    return size > 0 && link[0] == '/' ? std::string(link, static_cast<std::size_t>(size))
                                      : std::string();
}

PosixFolderSource& PosixFolderSource::system() {
    static PosixFolderSource source;
    return source;
}

}  // namespace brisko::posix
