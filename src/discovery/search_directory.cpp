#include "discovery/search_directory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "discovery/match_mask.h"

namespace brisko {

namespace {

// One listing buffer per depth: a listing is read in chunks and stays open while
// the walk descends into one of its sub-directories.
constexpr std::size_t kListingBuffer = 32 * 1024;

bool readOnly(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

unsigned char typeOf(mode_t mode) {
    if (S_ISREG(mode)) return DT_REG;
    if (S_ISDIR(mode)) return DT_DIR;
    if (S_ISLNK(mode)) return DT_LNK;
    return DT_UNKNOWN;  // sockets, FIFOs, devices
}

class Walker {
  public:
    Walker(std::span<const SearchTarget> targets, bool recursive, WalkOptions options)
        : recursive_(recursive), options_(options) {
        for (const SearchTarget& target : targets)
            masks_.push_back({NameMask(target.mask), target.list});
    }

    void run(std::string dir) {
        if (dir.empty()) return;
        if (dir.back() != '/') dir += '/';
        const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return;
        path_ = std::move(dir);
        list(fd, 0);
        ::close(fd);
    }

  private:
    struct Mask {
        NameMask mask;
        std::vector<std::string>* list;
    };

    void list(int fd, std::size_t depth) {
        char* buffer = bufferAt(depth);
        for (;;) {
            const ssize_t size = ::getdents64(fd, buffer, kListingBuffer);
            if (size <= 0) return;
            for (ssize_t offset = 0; offset < size;) {
                const auto* entry = reinterpret_cast<const struct dirent64*>(buffer + offset);
                offset += entry->d_reclen;
                entryFound(fd, entry->d_name, entry->d_type, depth);
            }
        }
    }

    void entryFound(int fd, const char* name, unsigned char type, std::size_t depth) {
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) return;
        if (type == DT_UNKNOWN || !options_.useListedTypes) {
            struct stat st;
            if (::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0) return;
            type = typeOf(st.st_mode);
        }
        switch (type) {
            case DT_REG:
            case DT_LNK:
                match(name);
                return;
            case DT_DIR:
                directoryFound(fd, name, depth);
                return;
            default:
                return;
        }
    }

    void directoryFound(int fd, const char* name, std::size_t depth) {
        struct stat st;
        bool known = false;
        if (recursive_) {
            const int sub = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sub >= 0) {
                known = ::fstat(sub, &st) == 0;
                if (known && !readOnly(st.st_mode)) {
                    const std::size_t length = path_.size();
                    path_ += name;
                    path_ += '/';
                    list(sub, depth + 1);
                    path_.resize(length);
                    ::close(sub);
                    return;
                }
                ::close(sub);
            }
        }
        // Not entered: a read-only directory counts like a file.
        if (!matchesAny(name)) return;
        if (!known)
            known = ::fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
        if (known && readOnly(st.st_mode)) match(name);
    }

    bool matchesAny(std::string_view name) const {
        for (const Mask& mask : masks_)
            if (mask.mask.matches(name)) return true;
        return false;
    }

    void match(const char* name) {
        const std::string_view entry(name);
        for (Mask& mask : masks_)
            if (mask.mask.matches(entry)) mask.list->push_back(path_ + name);
    }

    char* bufferAt(std::size_t depth) {
        while (buffers_.size() <= depth)
            buffers_.push_back(
                std::make_unique<std::uint64_t[]>(kListingBuffer / sizeof(std::uint64_t)));
        return reinterpret_cast<char*>(buffers_[depth].get());
    }

    bool recursive_;
    WalkOptions options_;
    std::vector<Mask> masks_;
    std::string path_;
    std::vector<std::unique_ptr<std::uint64_t[]>> buffers_;
};

}  // namespace

void SearchDirectory(std::string dir, const std::string& mask, bool recursive,
                     std::vector<std::string>& list) {
    const SearchTarget target{mask, &list};
    SearchDirectoryFor(std::move(dir), {&target, 1}, recursive);
}

void SearchDirectoryFor(std::string dir, std::span<const SearchTarget> targets, bool recursive,
                        WalkOptions options) {
    Walker(targets, recursive, options).run(std::move(dir));
}

}  // namespace brisko
