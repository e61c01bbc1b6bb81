// What the threads of one search share with it. Each thread holds it as long as
// it runs, so that a thread left behind in a call that does not return, and
// ending when the call returns at last, touches nothing freed.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <optional>
#include <unordered_map>
#include <utility>
#include <variant>

#include "discovery/folder_search.h"

namespace brisko {

// Folders open at once, all threads of a search together.
inline constexpr unsigned kMaxOpenFolders = 64;

// Where a folder stands in the order of a walk by one thread: the number of its
// root, then its index in the listing of each folder on the way down. Whatever
// order threads find entries in, sorting them by their folder's place and their
// own index in its listing gives the order of that walk.
struct WalkPlace {
    WalkPlace(const WalkPlace* parent, std::uint32_t index) : parent(parent), index(index) {}
    // The indices from the root's number down to this place.
    std::vector<std::uint32_t> indices() const;
    // Whether the walk of this folder, or of one above it, lost the folder to a
    // place earlier in the walk: what it found there does not count.
    bool dropped() const;

    const WalkPlace* parent;  // the folder whose listing holds it; none for a root
    std::uint32_t index;      // its index in that listing; a root's number for a root
    mutable std::atomic<bool> lost{false};
};

// The pieces of the work, each done by one thread: a folder to open, list and
// look through; or the paths of a lookup root that lie in one folder, so that a
// folder that does not answer holds one thread only.
struct FolderVisit {
    std::size_t root;
    std::string path;  // with its trailing '/'
    const WalkPlace* place;
};
struct PathLookup {
    std::size_t root;
    std::uint32_t index, end;  // the first of the root's paths, and after the last
};
using WalkTask = std::variant<FolderVisit, PathLookup>;

inline std::size_t RootOf(const WalkTask& task) {
    return std::visit([](const auto& piece) { return piece.root; }, task);
}

// The tasks are shared between the threads thus: each thread keeps the tasks it
// makes on a stack of its own and does the last made first, so that one thread
// alone walks depth first in listing order; while some thread waits for work,
// busy ones give it the oldest of theirs (the folders nearest the root). A
// thread's stack holds tasks of one root: the one it took, and what that made. A
// task put off waits until every other task of its root has ended.
struct SearchState {
    struct Root {
        explicit Root(SearchRoot root);
        SearchRoot searched;  // its targets' names in lower case
        // The folders inside the root, as the walk writes their paths (with their
        // trailing '/'): those walked after the rest of it, and those passed over.
        // Written by the root's first task, before any other task of the root.
        std::vector<std::string> walkedLast, passedOver;
    };

    // A path found, and where it stands in the walk: its index in the listing of
    // the folder at `place`.
    struct Match {
        const WalkPlace* place;
        std::uint32_t index;
        const Target* target;
        std::string path;
    };

    // What one thread shows the one that follows the search.
    struct alignas(64) Thread {
        // Before a call that may wait on `path`, and after it.
        void callStarts(const std::string& path);
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

    // A folder as the system knows it (device, inode), whatever path reached it.
    using FolderId = std::pair<dev_t, ino_t>;
    struct FolderHash {
        std::size_t operator()(const FolderId& id) const { return id.second ^ (id.first << 40); }
    };

    SearchState(std::vector<SearchRoot> searched, SearchOptions options, unsigned threadCount);

    // The next task for a thread whose own stack is empty, once there is one;
    // nothing once the search has ended or was stopped.
    std::optional<WalkTask> take();
    // A thread's stack of tasks of `root` has run out. When no task of the root is
    // left anywhere, the tasks put off are put on `stack` in turn.
    void drained(std::size_t root, std::deque<WalkTask>& stack);
    void putOff(FolderVisit task);
    // Gives the oldest half of `stack` to the threads that wait.
    void give(std::deque<WalkTask>& stack);
    // Whether the folder is to be walked at `place`: no place claimed it before,
    // or only later ones, whose walks are then marked lost.
    bool claim(FolderId folder, const WalkPlace& place);
    // Adds what a task found, unless the search was stopped.
    void publish(std::vector<Match>& found);
    void fail(std::exception_ptr error);
    // Ends the search unless it has finished; whether it did. The mount points of
    // the calls still under way are added to the unanswered ones,
    bool stop();
    // and taken back by each thread once its call has answered after all.
    void answered(Thread& thread);
    bool stopped() const { return stopped_.load(std::memory_order_relaxed); }
    bool finished() const { return finished_.load(std::memory_order_acquire); }
    // Whether a thread waits for work, and busy ones are to give some.
    bool wanted() const { return wanted_.load(std::memory_order_relaxed); }
    // The first root whose tasks have not all ended (the number of roots once all have).
    std::size_t firstUnfinishedRoot() const { return first_.load(std::memory_order_relaxed); }
    void wait();
    // What the tasks found, once the search has ended or was stopped; raises what
    // a walk raised.
    std::vector<Match> results();

    std::vector<Root> roots;
    std::deque<WalkPlace> rootPlaces;
    FolderSource& source;
    std::vector<std::string> remoteMounts;
    std::optional<UnansweredMounts> unanswered;
    std::deque<Thread> threads;
    std::atomic<std::uint64_t> counted{0};

  private:
    // After the tasks of a root have all ended: moves on from the first root not ended.
    void ended(std::size_t root);
    void publishWanted() { wanted_.store(idle_ > ready_.size(), std::memory_order_relaxed); }

    std::mutex mutex_;  // for all below
    std::condition_variable wake_;
    std::deque<WalkTask> ready_;
    std::vector<std::vector<WalkTask>> later_;  // per root
    // Per root: its tasks queued and the threads with tasks of it; none once ended.
    std::vector<std::size_t> pending_;
    std::size_t idle_ = 0;
    std::atomic<bool> wanted_{false}, finished_{false};
    std::atomic<std::size_t> first_{0};
    std::vector<Match> found_;
    std::exception_ptr failure_;
    // Read at every entry: on a line of the processor's cache of its own.
    alignas(64) std::atomic<bool> stopped_{false};
    std::mutex claimsMutex_;
    std::unordered_map<FolderId, const WalkPlace*, FolderHash> claims_;
};

// Does tasks of `search` as its thread `thread` until the search has ended or
// was stopped.
void Walk(SearchState& search, std::size_t thread);

}  // namespace brisko
