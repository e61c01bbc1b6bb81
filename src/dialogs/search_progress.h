// The window that follows a search. It appears when the search has not ended
// after half a second, says where it searches and how far the search has come, names a folder the
// search has waited on for a while, and closes by itself when the search ends. "Stop Searching"
// (Enter and Esc press it; closing the window does the same) ends the search at once with what it
// has found so far.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "discovery/folder_search.h"
#include "launch/game_search.h"
#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/window.h"

namespace brisko {

class TSearchProgress : public Window, public SearchFollower {
  public:
    using Clock = FolderSearch::Clock;
    static constexpr Clock::duration kShowAfter = std::chrono::milliseconds(500);
    static constexpr Clock::duration kRefreshEvery = std::chrono::milliseconds(250);

    explicit TSearchProgress(Platform& platform);

    Label LblSearching{"LblSearching"};
    Label LblFolders{"LblFolders"};
    Label LblFound{"LblFound"};
    Label LblWaiting{"LblWaiting"};
    Button StopBtn{"StopBtn"};
    // Ticks while a search is followed: the window looks at the search on each,
    // often, so that start-up goes on as soon as a short search ends.
    Timer WatchTimer{"WatchTimer", 10};

    // The time the window goes by (tests give their own).
    std::function<Clock::time_point()> clock = [] { return Clock::now(); };

    // Runs the window modally until the search ends or the player stops it.
    void follow(FolderSearch& search, const std::string& foundLabel) override;
    // The next search followed counts its half second from `since` rather than
    // from its own start (for the start-up search, the program's launch: the
    // player has waited since then).
    void countNextFrom(Clock::time_point since) { countFrom_ = since; }
    void watchSearch();
    void StopBtnClick();

  private:
    void refresh(Clock::time_point now);

    Platform& platform_;
    FolderSearch* search_ = nullptr;
    const std::string* foundLabel_ = nullptr;
    std::optional<Clock::time_point> countFrom_;
    Clock::time_point started_{};
    Clock::time_point refreshed_{};
};

}  // namespace brisko
