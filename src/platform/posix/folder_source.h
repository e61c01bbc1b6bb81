// The system's own calls that read folders.
#pragma once

#include "platform/folder_source.h"

namespace brisko::posix {

class PosixFolderSource : public FolderSource {
  public:
    int openAt(int dir, const char* path, int flags) override;
    int status(int fd, struct stat& st) override;
    int statusAt(int dir, const char* path, struct stat& st, int flags) override;
    int accessAt(int dir, const char* path, int mode) override;
    ssize_t list(int fd, void* buffer, std::size_t size) override;
    ssize_t read(int fd, void* buffer, std::size_t size) override;
    int close(int fd) override;
    // Read in /proc/self/fd.
    std::string pathOf(int fd) override;

    static PosixFolderSource& system();
};

}  // namespace brisko::posix
