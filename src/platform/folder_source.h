// The system calls by which a search reads folders, as an interface: the system's
// own are PosixFolderSource (posix/folder_source.h); a test may give calls of its
// own, to stand for a folder that does not answer.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace brisko {

class FolderSource {
  public:
    virtual ~FolderSource() = default;
    // openat(2).
    virtual int openAt(int dir, const char* path, int flags) = 0;
    // fstat(2).
    virtual int status(int fd, struct stat& st) = 0;
    // fstatat(2).
    virtual int statusAt(int dir, const char* path, struct stat& st, int flags) = 0;
    // faccessat(2), for the real user.
    virtual int accessAt(int dir, const char* path, int mode) = 0;
    // getdents64(2): listing records into `buffer`; 0 at the end, -1 on an error.
    virtual ssize_t list(int fd, void* buffer, std::size_t size) = 0;
    // read(2), of a file the search opened with openAt.
    virtual ssize_t read(int fd, void* buffer, std::size_t size) = 0;
    // close(2).
    virtual int close(int fd) = 0;
    // The path the system knows the open folder `fd` by, its links resolved, read
    // without asking the folder's file system; empty when there is none.
    virtual std::string pathOf(int fd) = 0;
};

}  // namespace brisko
