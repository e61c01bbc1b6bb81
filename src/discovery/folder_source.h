// The system calls by which a walk reads folders. A walk uses the system's own;
// a test may give one that holds a listing, to stand for a folder that does not
// answer.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace brisko {

class FolderSource {
  public:
    virtual ~FolderSource() = default;
    // openat(2).
    virtual int openAt(int dir, const char* path, int flags);
    // fstat(2).
    virtual int status(int fd, struct stat& st);
    // fstatat(2) without following a symbolic link.
    virtual int statusAt(int dir, const char* name, struct stat& st);
    // getdents64(2): listing records into `buffer`; 0 at the end, -1 on an error.
    virtual ssize_t list(int fd, void* buffer, std::size_t size);
    // close(2).
    virtual int close(int fd);

    // The system's calls.
    static FolderSource& system();
};

}  // namespace brisko
