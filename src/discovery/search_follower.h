// Lets the player follow a search while it runs and stop it.
#pragma once

#include <string>
#include <vector>

#include "discovery/folder_search.h"

namespace brisko {

// Where a root of a followed search looks and for what, in the player's words.
struct SearchPlace {
    std::string where;   // "drive C: (/home/ann)", "PATH"
    std::string sought;  // "config files", "the game"
};

// What the player is told a followed search looks for (given by the caller).
struct SearchSubject {
    std::string foundLabel;           // "Config files found", "Games found"
    std::vector<SearchPlace> places;  // per root
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
