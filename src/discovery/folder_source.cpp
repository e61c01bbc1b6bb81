#include "discovery/folder_source.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace brisko {

int FolderSource::openAt(int dir, const char* path, int flags) {
    return ::openat(dir, path, flags);
}

int FolderSource::status(int fd, struct stat& st) {
    return ::fstat(fd, &st);
}

int FolderSource::statusAt(int dir, const char* name, struct stat& st) {
    return ::fstatat(dir, name, &st, AT_SYMLINK_NOFOLLOW);
}

ssize_t FolderSource::list(int fd, void* buffer, std::size_t size) {
    return ::getdents64(fd, buffer, size);
}

int FolderSource::close(int fd) {
    return ::close(fd);
}

FolderSource& FolderSource::system() {
    static FolderSource source;
    return source;
}

}  // namespace brisko
