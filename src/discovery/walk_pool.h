// The tasks of one search and the hand-over of work between its threads.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>

#include "discovery/walk_task.h"

namespace brisko {

class WalkPool {
  public:
    // The thread that creates the pool counts as busy until it calls rootsDone().
    WalkPool() = default;

    // Keeps a task that its caller runs itself (a search root).
    WalkTask& add(WalkTask task);

    // Whether a thread waits for work: busy threads then give some away.
    bool wanted() const { return wanted_.load(std::memory_order_relaxed); }

    // Hands `task` to a waiting thread and returns its number; nothing when no
    // thread waits any more.
    std::optional<std::size_t> give(WalkTask&& task);

    // The calling thread has run all the tasks it added.
    void rootsDone();

    // Runs handed-over tasks with `run` until every thread is out of work. An
    // exception a task raises is kept for failure() and the work goes on.
    void work(const std::function<void(WalkTask&)>& run);

    // The first exception of a handed-over task; only once every thread has finished.
    std::exception_ptr failure() const { return failure_; }

    // Task `number`; only once every thread has finished.
    WalkTask& task(std::size_t number) { return tasks_[number]; }

  private:
    void publish() { wanted_.store(idle_ > ready_.size(), std::memory_order_relaxed); }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<WalkTask> tasks_;  // every task, by number (a deque keeps them in place)
    std::deque<WalkTask*> ready_;
    std::size_t busy_ = 1;
    std::size_t idle_ = 0;
    std::atomic<bool> wanted_{false};
    std::exception_ptr failure_;
};

}  // namespace brisko
