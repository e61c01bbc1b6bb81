#include "discovery/walk_pool.h"

namespace brisko {

WalkPool::WalkPool(std::size_t roots) : pending_(roots), later_(roots) {}

void WalkPool::addRoot(WalkTask task) {
    const std::lock_guard lock(mutex_);
    ++pending_[task.root];
    ready_.push_back(&tasks_.emplace_back(std::move(task)));
    publish();
}

std::optional<std::size_t> WalkPool::give(WalkTask&& task) {
    std::size_t number = 0;
    {
        const std::lock_guard lock(mutex_);
        if (idle_ <= ready_.size() || stopped_) return std::nullopt;
        ++pending_[task.root];
        ready_.push_back(&tasks_.emplace_back(std::move(task)));
        number = tasks_.size() - 1;
        publish();
    }
    wake_.notify_one();
    return number;
}

std::size_t WalkPool::putOff(WalkTask&& task) {
    const std::lock_guard lock(mutex_);
    later_[task.root].push_back(&tasks_.emplace_back(std::move(task)));
    return tasks_.size() - 1;
}

void WalkPool::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        stopping_.store(true, std::memory_order_relaxed);
    }
    wake_.notify_all();
}

void WalkPool::ended(std::size_t root) {
    if (--pending_[root] == 0 && !later_[root].empty()) {
        // In the order they were met, ahead of the other roots' tasks.
        ready_.insert(ready_.begin(), later_[root].begin(), later_[root].end());
        pending_[root] = later_[root].size();
        later_[root].clear();
        wake_.notify_all();
    }
    std::size_t first = firstUnfinished_.load(std::memory_order_relaxed);
    while (first < pending_.size() && pending_[first] == 0) ++first;
    firstUnfinished_.store(first, std::memory_order_relaxed);
}

void WalkPool::work(WalkerSlot& slot, const std::function<void(WalkTask&)>& run) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (stopped_) return;
        if (!ready_.empty()) {
            WalkTask* task = ready_.front();
            ready_.pop_front();
            ++busy_;
            publish();
            lock.unlock();
            if (!slot.work()) throw Abandoned();
            std::exception_ptr failure;
            try {
                run(*task);
            } catch (const Abandoned&) {
                throw;
            } catch (...) {
                failure = std::current_exception();
            }
            slot.idle();
            lock.lock();
            if (failure && !failure_) failure_ = failure;
            --busy_;
            ended(task->root);
            continue;
        }
        if (busy_ == 0) {
            wake_.notify_all();
            return;
        }
        ++idle_;
        publish();
        wake_.wait(lock);
        --idle_;
        publish();
    }
}

}  // namespace brisko
