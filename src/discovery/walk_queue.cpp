#include "discovery/walk_queue.h"

namespace brisko {

WalkQueue::WalkQueue(std::size_t roots, std::vector<WalkTask> tasks)
    : later_(roots), ended_(roots), pending_(roots) {
    for (WalkTask& task : tasks) {
        ++pending_[RootOf(task)];
        ready_.push_back(std::move(task));
    }
    for (std::size_t root = 0; root < roots; ++root)
        if (pending_[root] == 0) rootEnded(root);
}

std::optional<WalkTask> WalkQueue::take() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (stopped() || finished()) return std::nullopt;
        if (!ready_.empty()) {
            WalkTask task = std::move(ready_.front());
            ready_.pop_front();
            publish();
            return task;
        }
        ++idle_;
        publish();
        wake_.wait(lock);
        --idle_;
        publish();
    }
}

void WalkQueue::drained(std::size_t root, std::deque<WalkTask>& stack) {
    const std::lock_guard lock(mutex_);
    if (--pending_[root] > 0) return;
    std::vector<WalkTask>& later = later_[root];
    if (later.empty()) return rootEnded(root);
    pending_[root] = 1;  // this thread's
    // The first met on top.
    for (auto task = later.rbegin(); task != later.rend(); ++task)
        stack.push_back(std::move(*task));
    later.clear();
}

void WalkQueue::rootEnded(std::size_t root) {
    ended_[root] = true;
    std::size_t first = first_.load(std::memory_order_relaxed);
    while (first < ended_.size() && ended_[first]) ++first;
    first_.store(first, std::memory_order_relaxed);
    if (first == ended_.size()) {
        finished_.store(true, std::memory_order_release);
        wake_.notify_all();
    }
}

void WalkQueue::putOff(WalkTask task) {
    const std::lock_guard lock(mutex_);
    later_[RootOf(task)].push_back(std::move(task));
}

void WalkQueue::give(std::deque<WalkTask>& stack) {
    const std::lock_guard lock(mutex_);
    pending_[RootOf(stack.front())] += (stack.size() + 1) / 2;
    for (std::size_t given = (stack.size() + 1) / 2; given > 0; --given) {
        ready_.push_back(std::move(stack.front()));
        stack.pop_front();
    }
    publish();
    wake_.notify_all();
}

void WalkQueue::stop() {
    const std::lock_guard lock(mutex_);
    stopped_.store(true, std::memory_order_relaxed);
    wake_.notify_all();
}

void WalkQueue::wait() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopped() || finished(); });
}

}  // namespace brisko
