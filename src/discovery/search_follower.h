// Lets the player follow a search while it runs and stop it.
#pragma once

#include <string>
#include <vector>

#include "discovery/folder_search.h"

namespace brisko {

// What the player is told a followed search looks for, in the player's words
// (given by the caller).
struct SearchSubject {
    std::string sought;               // "config files", "the game"
    std::string foundLabel;           // "Config files found", "Games found"
    std::vector<std::string> places;  // per root, where it looks: "drive C: (/home/ann)"
};

class SearchFollower {
  public:
    virtual ~SearchFollower() = default;
    // Returns once `search` has finished by itself or the player has stopped it.
    virtual void follow(FolderSearch& search, const SearchSubject& subject) = 0;
    // What this player's stopped searches learnt: later searches pass it in their
    // options.
    UnansweredMounts& unanswered() { return unanswered_; }

  private:
    UnansweredMounts unanswered_;
};

}  // namespace brisko
