#include "discovery/walk_pool.h"

namespace brisko {

WalkTask& WalkPool::add(WalkTask task) {
    const std::lock_guard lock(mutex_);
    return tasks_.emplace_back(std::move(task));
}

std::optional<std::size_t> WalkPool::give(WalkTask&& task) {
    std::size_t number = 0;
    {
        const std::lock_guard lock(mutex_);
        if (idle_ <= ready_.size()) return std::nullopt;
        tasks_.push_back(std::move(task));
        number = tasks_.size() - 1;
        ready_.push_back(&tasks_.back());
        publish();
    }
    wake_.notify_one();
    return number;
}

void WalkPool::rootsDone() {
    const std::lock_guard lock(mutex_);
    --busy_;
    if (busy_ == 0 && ready_.empty()) wake_.notify_all();
}

void WalkPool::work(const std::function<void(WalkTask&)>& run) {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (!ready_.empty()) {
            WalkTask* task = ready_.front();
            ready_.pop_front();
            ++busy_;
            publish();
            lock.unlock();
            std::exception_ptr failure;
            try {
                run(*task);
            } catch (...) {
                failure = std::current_exception();
            }
            lock.lock();
            if (failure && !failure_) failure_ = failure;
            --busy_;
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
