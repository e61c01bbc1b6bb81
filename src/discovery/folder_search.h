// One search of several folders, run on threads of its own, which the caller can
// follow while it runs and stop at any moment, keeping what was found so far.
//
// The caller never waits on a file system: a thread whose call waits on a folder
// that does not answer (a network or FUSE mount whose server has gone) is left
// behind when the search is stopped, and ends by itself if the folder ever
// answers. Inside each root, the mount points of network and FUSE file systems
// are walked after everything else, and what they hold is listed where they were
// met, as if they had been walked there.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "discovery/search_directory.h"

namespace brisko {

class FolderSearch {
  public:
    using Clock = std::chrono::steady_clock;
    // How long a call waits before the search names its folder.
    static constexpr Clock::duration kWaitNamed = std::chrono::milliseconds(1500);

    struct Progress {
        std::size_t root = 0;       // the first root not searched to its end
        std::uint64_t folders = 0;  // folders searched so far
        std::uint64_t found = 0;    // paths found so far by the counted targets
        // A folder the walk has waited on for kWaitNamed or longer, without its
        // trailing '/'; empty when none.
        std::string waitingFor;
    };

    // Starts the search. `remoteMounts` are the mount points walked last (by
    // default those of the system's mount table).
    FolderSearch(std::span<const SearchRoot> roots, bool recursive, WalkOptions options = {});
    FolderSearch(std::span<const SearchRoot> roots, bool recursive, WalkOptions options,
                 std::vector<std::string> remoteMounts);
    // Stops a search still running.
    ~FolderSearch();
    FolderSearch(const FolderSearch&) = delete;
    FolderSearch& operator=(const FolderSearch&) = delete;

    // Whether the search has ended by itself.
    bool finished() const;
    // Waits until it has.
    void wait();
    // Ends the search at once; a search that has finished stays as it is.
    void stop();
    bool stopped() const { return stopped_; }

    // How far the search has come at `now`, the time on the caller's clock (the
    // folder waited on is named once the same call has lasted kWaitNamed by it).
    Progress progress(Clock::time_point now);

    // Fills the targets' lists, once the search has finished or was stopped: with
    // every path found in the order of a walk by one thread; after a stop, with
    // the paths found so far, in the same order (every folder walked to its end
    // in full, the folders being walked as far as they came, nothing of the rest).
    // Raises what a walk raised.
    void deliver();

  private:
    struct Shared;
    struct Call {
        std::uint64_t calls = 0;
        Clock::time_point since;
        bool seen = false;
    };

    std::shared_ptr<Shared> shared_;
    std::vector<std::vector<std::string>*> lists_;
    std::vector<Call> calls_;  // per walker, as progress() last saw it
    bool stopped_ = false;
};

}  // namespace brisko
