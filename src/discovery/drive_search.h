// A search of the drives on threads of its own, which the player can follow (the
// program's progress window) and stop.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "discovery/folder_search.h"

namespace brisko {

// What a search of the drives looks for, as its progress names it.
enum class Sought { ConfigFiles, Games };

class SearchFollower;

class DriveSearch {
  public:
    // Starts the walk of `roots`, which are the drives `letters`, in order.
    DriveSearch(std::span<const SearchRoot> roots, std::string letters, Sought sought,
                WalkOptions options = {});

    FolderSearch& walk() { return walk_; }
    Sought sought() const { return sought_; }
    // The letter and folder of root `root` of the walk.
    char letter(std::size_t root) const { return letters_[root]; }
    const std::string& folder(std::size_t root) const { return folders_[root]; }
    std::size_t drives() const { return folders_.size(); }

    // Lets `follower` (when given) follow the search until it ends or the player
    // stops it, then fills the targets' lists with what it found.
    void finish(SearchFollower* follower);

  private:
    std::string letters_;
    std::vector<std::string> folders_;
    Sought sought_;
    FolderSearch walk_;
};

// Lets the player follow a search of the drives and stop it.
class SearchFollower {
  public:
    virtual ~SearchFollower() = default;
    // Returns once the search has finished by itself or has been stopped.
    virtual void follow(DriveSearch& search) = 0;
};

}  // namespace brisko
