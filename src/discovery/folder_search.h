// One search of several roots, run on threads of its own, which the caller can
// follow while it runs and stop at any moment, keeping what was found so far.
//
// The caller never waits on a file system: a thread whose call waits on a folder
// that does not answer (a network or FUSE mount whose server has gone) is left
// behind when the search is stopped, and ends by itself if the folder ever
// answers. Inside each root, the mount points of network and FUSE file systems
// are walked after everything else, and what they hold is listed where they were
// met. What the search finds comes out in the order of a walk by one thread,
// whatever the number of threads.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "discovery/search_options.h"
#include "discovery/search_root.h"
#include "discovery/unanswered_mounts.h"

namespace brisko {

struct SearchState;

class FolderSearch {
  public:
    using Clock = std::chrono::steady_clock;
    // How long a call waits before the search names its folder.
    static constexpr Clock::duration kWaitNamed = std::chrono::milliseconds(1500);

    struct Progress {
        std::size_t root = 0;       // the first root not searched to its end
        std::uint64_t folders = 0;  // folders searched so far
        std::uint64_t found = 0;    // paths found so far by the counted targets
        // A folder (or entry) a call has waited on for kWaitNamed or longer,
        // without its trailing '/'; empty when none.
        std::string waitingFor;
    };

    // Starts the search.
    explicit FolderSearch(std::vector<SearchRoot> roots, SearchOptions options = {});
    // Stops a search still running.
    ~FolderSearch();
    FolderSearch(const FolderSearch&) = delete;
    FolderSearch& operator=(const FolderSearch&) = delete;

    // Whether the search has ended by itself.
    bool finished() const;
    // Waits until it has, or was stopped.
    void wait();
    // Ends the search at once, never waiting for a call; a search that has
    // finished stays as it is. Each call still waiting adds its folder's remote
    // mount (or the folder, when none holds it) to the options' unanswered mounts,
    // until the call answers.
    void stop();
    bool stopped() const { return stopped_; }

    // How far the search has come at `now`, the time on the caller's clock (a
    // folder waited on is named once the same call has lasted kWaitNamed by it).
    Progress progress(Clock::time_point now);

    // Once finished or stopped: for each root, for each of its targets (a lookup:
    // one), the paths found, in the order of a walk by one thread; after a stop,
    // what was found so far, in that order. Raises what a walk raised.
    std::vector<std::vector<std::vector<std::string>>> results();

  private:
    struct Seen {
        std::uint64_t calls = 0;
        Clock::time_point since;
    };

    std::shared_ptr<SearchState> state_;
    std::vector<Seen> seen_;  // per thread, as progress() last saw it
    bool stopped_ = false;
};

}  // namespace brisko
