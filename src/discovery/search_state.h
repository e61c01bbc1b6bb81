// What the threads of one search share with it. Each thread holds it as long as
// it runs, so that a thread left behind in a call that does not return, and
// ending when the call returns at last, touches nothing freed.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "discovery/folder_claims.h"
#include "discovery/match_mask.h"
#include "discovery/search_options.h"
#include "discovery/search_root.h"
#include "discovery/unanswered_mounts.h"
#include "discovery/walk_queue.h"
#include "platform/folder_source.h"

namespace brisko {

// Folders open at once, all threads of a search together.
inline constexpr unsigned kMaxOpenFolders = 64;

struct SearchState {
    struct Root {
        explicit Root(SearchRoot root);
        // Whether a name matches one of the masks of target `list`.
        bool matches(std::size_t list, std::string_view name) const;

        SearchRoot searched;
        std::vector<std::vector<NameMask>> masks;  // per target
        // The folders inside the root, as the walk writes their paths (with their
        // trailing '/'): those walked after the rest of it, and those passed over.
        // Written by the root's first task, before any other task of the root.
        std::vector<std::string> walkedLast, passedOver;
    };

    // A path found: its list, and where it stands in the walk (its index in the
    // listing of the folder at `place`).
    struct Match {
        const WalkPlace* place;
        std::uint32_t index;
        std::uint32_t list;
        bool counted;
        std::string path;
    };

    // What one thread shows the one that follows the search.
    struct alignas(64) Thread {
        // Before a call that may wait on `path`, and after it.
        void callStarts(const std::string& path) {
            if (path != callPath) {
                const std::lock_guard lock(mutex);
                callPath = path;
            }
            callEnded();
        }
        void callEnded() {
            calls.store(calls.load(std::memory_order_relaxed) + 1, std::memory_order_release);
        }

        std::atomic<std::uint64_t> calls{0};  // odd while inside a call
        std::atomic<std::uint64_t> folders{0};
        std::mutex mutex;              // for the two below
        std::string callPath;          // what the last call is on
        std::string leftIn;            // the mount point stop() added for its call
        std::deque<WalkPlace> places;  // of the folders it met, its own
    };

    SearchState(std::vector<SearchRoot> searched, SearchOptions options, unsigned threadCount);

    // Adds what a task found, unless the search was stopped.
    void publish(std::vector<Match>& found);
    void fail(std::exception_ptr error);
    // Ends the search unless it has finished; whether it did. The mount points of
    // the calls still under way are added to the unanswered ones,
    bool stop();
    // and taken back by each thread once its call has answered after all.
    void answered(Thread& thread);

    std::vector<Root> roots;
    std::deque<WalkPlace> rootPlaces;
    bool useListedTypes;
    FolderSource& source;
    std::vector<std::string> remoteMounts;
    std::optional<UnansweredMounts> unanswered;
    WalkQueue queue;
    FolderClaims claims;
    std::deque<Thread> threads;

    std::mutex mutex;  // for the three below; held while the queue is stopped
    std::vector<Match> found;
    std::exception_ptr failure;
    std::atomic<std::uint64_t> counted{0};
};

}  // namespace brisko
