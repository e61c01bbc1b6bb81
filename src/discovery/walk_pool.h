// The tasks of one search and the hand-over of work between its threads.
//
// The roots' tasks are queued in order; a thread that runs out of work takes the
// next queued task, or waits until a busy thread gives it part of its own. A task
// put off (a mount point to walk last) is queued once every other task of its
// root has ended, ahead of the tasks already queued.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "discovery/walk_task.h"
#include "discovery/walker_slot.h"

namespace brisko {

class WalkPool {
  public:
    explicit WalkPool(std::size_t roots);

    // Queues a root's task; all of them before any thread works.
    void addRoot(WalkTask task);

    // Whether a thread waits for work: busy threads then give some away.
    bool wanted() const { return wanted_.load(std::memory_order_relaxed); }

    // Hands `task` to a waiting thread and returns its number; nothing when no
    // thread waits any more.
    std::optional<std::size_t> give(WalkTask&& task);

    // Keeps `task` until every other task of its root has ended; returns its number.
    std::size_t putOff(WalkTask&& task);

    // Runs tasks with `run` until every thread is out of work, or the search is
    // stopped. An exception a task raises is kept for failure() and the work goes
    // on; Abandoned (the walker was stopped) ends the work at once.
    void work(WalkerSlot& slot, const std::function<void(WalkTask&)>& run);

    // Ends the work: threads that wait return, busy ones stop at their next entry.
    void stop();
    bool stopping() const { return stopping_.load(std::memory_order_relaxed); }

    // The first root that still has work (the number of roots once none has).
    std::size_t firstUnfinishedRoot() const {
        return firstUnfinished_.load(std::memory_order_relaxed);
    }

    // The first exception of a task; once every thread has finished.
    std::exception_ptr failure() const { return failure_; }

    // Task `number` (the roots' tasks first, in order); once no thread works.
    WalkTask& task(std::size_t number) { return tasks_[number]; }

  private:
    void publish() { wanted_.store(idle_ > ready_.size(), std::memory_order_relaxed); }
    void ended(std::size_t root);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<WalkTask> tasks_;  // every task, by number (a deque keeps them in place)
    std::deque<WalkTask*> ready_;
    std::vector<std::size_t> pending_;           // per root: tasks queued or running
    std::vector<std::vector<WalkTask*>> later_;  // per root: tasks put off
    std::size_t busy_ = 0;
    std::size_t idle_ = 0;
    bool stopped_ = false;
    std::atomic<bool> wanted_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<std::size_t> firstUnfinished_{0};
    std::exception_ptr failure_;
};

}  // namespace brisko
