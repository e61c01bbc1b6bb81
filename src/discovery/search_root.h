// A place one search looks in: a folder walked to any depth, the listing of one
// folder, or paths looked up one by one.
#pragma once

#include <string>
#include <vector>

#include "discovery/target.h"

namespace brisko {

class SearchRoot {
  public:
    enum class Kind : std::uint8_t { Walk, Listing, Lookup };

    // Every entry below `folder`, to any depth (the walk).
    static SearchRoot walk(std::string folder, std::vector<Target> targets) {
        return SearchRoot(Kind::Walk, folderPaths(std::move(folder)), std::move(targets));
    }
    // The entries of `folder` itself, not below (names any case).
    static SearchRoot listing(std::string folder, std::vector<Target> targets) {
        return SearchRoot(Kind::Listing, folderPaths(std::move(folder)), std::move(targets));
    }
    // Each path as given (exact case), kept when `check` holds; one list, in the
    // order given.
    static SearchRoot lookup(std::vector<std::string> paths, Check check) {
        return SearchRoot(Kind::Lookup, std::move(paths), {Target{{}, check, false}});
    }

    Kind kind() const { return kind_; }
    // A walk's or listing's folder with its trailing '/' (none for an empty one), or
    // the paths looked up.
    const std::vector<std::string>& paths() const { return paths_; }
    // A lookup's is one, without masks.
    const std::vector<Target>& targets() const { return targets_; }

  private:
    SearchRoot(Kind kind, std::vector<std::string> paths, std::vector<Target> targets)
        : kind_(kind), paths_(std::move(paths)), targets_(std::move(targets)) {}
    static std::vector<std::string> folderPaths(std::string folder) {
        if (folder.empty()) return {};
        if (folder.back() != '/') folder += '/';
        return {std::move(folder)};
    }

    Kind kind_;
    std::vector<std::string> paths_;
    std::vector<Target> targets_;
};

}  // namespace brisko
