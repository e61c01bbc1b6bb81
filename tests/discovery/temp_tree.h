// A temporary folder for tests that walk real directory trees, removed afterwards
// (permissions restored first so that read-only folders go too).
#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace brisko::test {

class TempTree {
  public:
    TempTree() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brisko_tree_XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
    }
    ~TempTree() {
        std::error_code ignored;
        for (auto it = std::filesystem::recursive_directory_iterator(root_, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
            if (it->is_directory(ignored) && !it->is_symlink(ignored))
                ::chmod(it->path().c_str(), 0755);
        std::filesystem::remove_all(root_, ignored);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The root folder, without a trailing '/'.
    const std::string& root() const { return root_; }
    // The root folder with its trailing '/', as the walk writes it.
    std::string dir() const { return root_ + "/"; }
    std::string path(const std::string& relative) const { return root_ + "/" + relative; }

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
