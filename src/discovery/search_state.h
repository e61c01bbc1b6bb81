// What the threads of one search share with it, each as long as it runs: a thread left
// behind in a call that does not return touches nothing freed when the call returns.
#pragma once

#include <sys/types.h>

#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <optional>
#include <unordered_map>

#include "discovery/folder_search.h"

namespace brisko {

inline constexpr unsigned kMaxOpenFolders = 64;  // open at once, all threads together

// Where a folder stands in the walk by one thread: its root's number, then its
// index in the listing of each folder on the way down. Sorting entries by their
// folder's place and their index in its listing gives the order of that walk.
struct WalkPlace {
    WalkPlace(const WalkPlace* above, std::uint32_t at) : parent(above), index(at) {}
    std::vector<std::uint32_t> indices() const {
        std::vector<std::uint32_t> indices;
        for (const WalkPlace* place = this; place; place = place->parent)
            indices.insert(indices.begin(), place->index);
        return indices;
    }
    // Whether this folder, or one above it, was lost to a place earlier in the
    // walk: what was found there does not count.
    bool dropped() const {
        for (const WalkPlace* place = this; place; place = place->parent)
            if (place->lost.load(std::memory_order_relaxed)) return true;
        return false;
    }
    const WalkPlace* parent;  // the folder whose listing holds it; none for a root
    std::uint32_t index;      // its index in that listing; a root's number for a root
    mutable std::atomic<bool> lost{false};
};

// A piece of the work: a folder to look through (its path with its trailing '/'); or,
// without a place, the paths [index, end) of a lookup root that lie in one folder.
struct WalkTask {
    std::size_t root;
    std::string path;
    const WalkPlace* place;
    std::uint32_t index = 0, end = 0;
};

// Each thread does the tasks it makes from a stack of its own, the last made first
// (alone, it walks depth first in listing order); while some thread waits, busy
// ones give it their oldest. A thread's stack holds tasks of one root. A task put
// off waits until every other task of its root has ended.
struct SearchState {
    struct Root {
        SearchRoot searched;
        // The folders inside it walked after the rest, and those passed over, as
        // the walk writes their paths; written by its first task, before any other.
        std::vector<std::string> walkedLast, passedOver;
    };
    // A path found, and its index in the listing of the folder at `place`.
    struct Match {
        const WalkPlace* place;
        std::uint32_t index;
        const Target* target;
        std::string path;
    };
    // What one thread shows the one that follows the search.
    struct alignas(64) Thread {
        std::atomic<std::uint64_t> calls{0};  // odd while inside a call
        std::atomic<std::uint64_t> folders{0};
        std::mutex mutex;              // for the two below
        std::string callPath;          // what the last call is on
        std::string leftIn;            // the mount point stop() added for its call
        std::deque<WalkPlace> places;  // of the folders it met, its own
    };
    using FolderId = std::pair<dev_t, ino_t>;  // whatever path reached the folder
    struct FolderHash {
        std::size_t operator()(const FolderId& id) const { return id.second ^ (id.first << 40); }
    };
    SearchState(std::vector<SearchRoot> searched, SearchOptions options, unsigned threadCount);
    // A task for a thread whose own stack is empty, once there is one; none once
    // the search has ended or was stopped.
    std::optional<WalkTask> take() {
        std::unique_lock lock(mutex_);
        const auto woken = [this] { return stopped() || finished() || !ready_.empty(); };
        if (!woken()) {
            ++idle_;
            publishWanted();
            wake_.wait(lock, woken);
            --idle_;
        }
        std::optional<WalkTask> task;
        if (!stopped() && !finished()) {
            task = std::move(ready_.front());
            ready_.pop_front();
        }
        publishWanted();
        return task;
    }
    // A thread's stack of tasks of `root` has run out. When no task of the root is
    // left anywhere, the tasks put off are put on `stack`, the first met on top.
    void drained(std::size_t root, std::deque<WalkTask>& stack) {
        const std::lock_guard lock(mutex_);
        if (--pending_[root] > 0) return;
        if (later_[root].empty()) return ended(root);
        pending_[root] = 1;  // this thread's
        for (auto task = later_[root].rbegin(); task != later_[root].rend(); ++task)
            stack.push_back(std::move(*task));
        later_[root].clear();
    }
    void putOff(WalkTask task) {
        const std::lock_guard lock(mutex_);
        later_[task.root].push_back(std::move(task));
    }
    // Whether a thread waits for work; busy ones then give it half their stack.
    bool wanted() const { return wanted_.load(std::memory_order_relaxed); }
    void give(std::deque<WalkTask>& stack) {
        const std::lock_guard lock(mutex_);
        const std::size_t given = (stack.size() + 1) / 2;
        pending_[stack.front().root] += given;
        ready_.insert(ready_.end(), std::make_move_iterator(stack.begin()),
                      std::make_move_iterator(stack.begin() + static_cast<std::ptrdiff_t>(given)));
        stack.erase(stack.begin(), stack.begin() + static_cast<std::ptrdiff_t>(given));
        publishWanted();
        wake_.notify_all();
    }
    // Whether the folder is to be walked at `place`: no place claimed it before,
    // or only later ones, whose walks are then marked lost.
    bool claim(FolderId folder, const WalkPlace& place) {
        Claims& claims = claims_[FolderHash()(folder) % claims_.size()];
        const std::lock_guard lock(claims.mutex);
        const auto [at, first] = claims.places.try_emplace(folder, &place);
        if (!first && !(place.indices() < at->second->indices())) return false;
        if (!first) at->second->lost.store(true, std::memory_order_relaxed);
        at->second = &place;
        return true;
    }
    // Adds what a task found, unless the search was stopped.
    void publish(std::vector<Match>& matches) {
        const std::lock_guard lock(mutex_);
        for (Match& match : matches) {
            if (stopped()) break;
            if (match.target->counted) counted.fetch_add(1, std::memory_order_relaxed);
            found_.push_back(std::move(match));
        }
        matches.clear();
    }
    void fail(std::exception_ptr error) {
        const std::lock_guard lock(mutex_);
        if (!failure_) failure_ = error;
    }
    // What the tasks found, once the search has ended or was stopped.
    std::vector<Match> results() {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stopped() || finished(); });
        if (failure_) std::rethrow_exception(failure_);
        return found_;
    }
    // Ends the search unless it has finished; whether it did. The mount points of
    // the calls under way are added to the unanswered ones, and taken back by each
    // thread once its call has answered after all.
    bool stop();
    void answered(Thread& thread) {
        const std::lock_guard lock(thread.mutex);
        if (!thread.leftIn.empty()) unanswered->remove(thread.leftIn);
        thread.leftIn.clear();
    }
    bool stopped() const { return stopped_.load(std::memory_order_relaxed); }
    bool finished() const { return finished_.load(std::memory_order_acquire); }
    // The first root whose tasks have not all ended (the number of roots once all have).
    std::size_t firstUnfinishedRoot() const { return first_.load(std::memory_order_relaxed); }

    std::vector<Root> roots;
    std::deque<WalkPlace> rootPlaces;
    FolderSource& source;
    std::vector<std::string> remoteMounts;
    std::optional<UnansweredMounts> unanswered;
    std::deque<Thread> threads;
    std::atomic<std::uint64_t> counted{0};  // paths found by the counted targets

  private:
    void ended(std::size_t root) {
        std::size_t first = first_.load(std::memory_order_relaxed);
        if (root != first) return;
        while (first < pending_.size() && pending_[first] == 0) ++first;
        first_.store(first, std::memory_order_relaxed);
        if (first == pending_.size()) {
            finished_.store(true, std::memory_order_release);
            wake_.notify_all();
        }
    }
    void publishWanted() { wanted_.store(idle_ > ready_.size(), std::memory_order_relaxed); }

    std::mutex mutex_;  // for all below but the claims
    std::condition_variable wake_;
    std::deque<WalkTask> ready_;
    std::vector<std::vector<WalkTask>> later_;  // per root
    std::vector<std::size_t> pending_;          // per root: its tasks and the threads busy with it
    std::size_t idle_ = 0;
    std::atomic<bool> wanted_{false}, finished_{false};
    std::atomic<std::size_t> first_{0};
    std::vector<Match> found_;
    std::exception_ptr failure_;
    alignas(64) std::atomic<bool> stopped_{false};  // read at every entry: a cache line of its own
    struct Claims {
        std::mutex mutex;
        std::unordered_map<FolderId, const WalkPlace*, FolderHash> places;
    };
    std::array<Claims, 16> claims_;  // by the folder's hash, so that threads seldom wait
};

}  // namespace brisko
