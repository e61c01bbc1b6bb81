// A temporary folder for tests on real files and directory trees, removed
// afterwards with everything in it (permissions restored and immutable flags
// cleared first so that locked folders go too).
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace brisko::test {

// Sets or clears the immutable flag (chattr +i); false where the file system or
// the user does not allow it.
inline bool setImmutable(const std::string& path, bool on) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

class TempTree {
  public:
    // A new folder in `base` (the system's temporary folder unless given).
    explicit TempTree(const std::filesystem::path& base = std::filesystem::temp_directory_path()) {
        std::string pattern = (base / "brisko_tree_XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    ~TempTree() {
        std::error_code ignored;
        setImmutable(root_, false);
        for (auto it = std::filesystem::recursive_directory_iterator(root_, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
            if (it->is_symlink(ignored)) continue;
            setImmutable(it->path().string(), false);
            if (it->is_directory(ignored)) ::chmod(it->path().c_str(), 0755);
        }
        std::filesystem::remove_all(root_, ignored);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The root folder, without a trailing '/'.
    const std::string& root() const { return root_; }
    // The root folder with its trailing '/', as the walk writes it.
    std::string dir() const { return root_ + "/"; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }
    // The names in the root folder, sorted.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(root_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Makes a file (and the folders above it); returns its full path.
    std::string file(const std::string& relative, const std::string& content = "") const {
        const std::string full = path(relative);
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full, std::ios::binary) << content;
        return full;
    }
    std::string folder(const std::string& relative) const {
        const std::string full = path(relative);
        std::filesystem::create_directories(full);
        return full;
    }
    std::string link(const std::string& target, const std::string& relative) const {
        const std::string full = path(relative);
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::filesystem::create_symlink(target, full);
        return full;
    }

  private:
    std::string root_;
};

// The names of a folder in the order the system lists them, "." and ".." left out.
inline std::vector<std::string> listingOrder(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(dir);
    }
    return names;
}

}  // namespace brisko::test
