// The tasks of one search, shared between its threads. Each thread keeps the
// tasks it makes on a stack of its own and does the last made first, so that one
// thread alone walks depth first in listing order; while some thread waits for
// work, busy ones give it the oldest of theirs (the folders nearest the root). A
// thread's stack holds tasks of one root: the one it took, and what that made. A
// task put off waits until every other task of its root has ended.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "discovery/walk_task.h"

namespace brisko {

class WalkQueue {
  public:
    // The roots' first tasks, in order.
    WalkQueue(std::size_t roots, std::vector<WalkTask> tasks);

    // The next task for a thread whose own stack is empty, once there is one;
    // nothing once the search has ended or was stopped.
    std::optional<WalkTask> take();
    // A thread's stack of tasks of `root` has run out. When no task of the root is
    // left anywhere, the tasks put off are put on `stack` in turn.
    void drained(std::size_t root, std::deque<WalkTask>& stack);
    // Keeps `task` until every other task of its root has ended.
    void putOff(WalkTask task);
    // Whether a thread waits for work, and busy ones are to give some.
    bool wanted() const { return wanted_.load(std::memory_order_relaxed); }
    // Gives the oldest half of `stack` to the threads that wait.
    void give(std::deque<WalkTask>& stack);

    // Ends the work: threads that wait return, busy ones stop at their next entry.
    void stop();
    bool stopped() const { return stopped_.load(std::memory_order_relaxed); }
    bool finished() const { return finished_.load(std::memory_order_acquire); }
    // Waits until the search has finished or was stopped.
    void wait();
    // The first root whose tasks have not all ended (the number of roots once all have).
    std::size_t firstUnfinishedRoot() const { return first_.load(std::memory_order_relaxed); }

  private:
    void rootEnded(std::size_t root);
    void publish() { wanted_.store(idle_ > ready_.size(), std::memory_order_relaxed); }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<WalkTask> ready_;
    std::vector<std::vector<WalkTask>> later_;  // per root
    std::vector<bool> ended_;                   // per root
    // Per root: its tasks queued, and the threads with tasks of it.
    std::vector<std::size_t> pending_;
    std::size_t idle_ = 0;
    std::atomic<bool> wanted_{false};
    std::atomic<bool> finished_{false};
    std::atomic<std::size_t> first_{0};
    // Read at every entry: on a line of the processor's cache of its own.
    alignas(64) std::atomic<bool> stopped_{false};
};

}  // namespace brisko
