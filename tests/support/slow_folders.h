// The system's folder calls, except that the listing of a folder named "slow"
// (opened by that name) waits until the test releases it, 20 seconds at most: a
// folder that does not answer, driven through the real walk.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <string_view>

#include "platform/posix/folder_source.h"

namespace brisko::test {

class SlowFolders : public posix::PosixFolderSource {
  public:
    int openAt(int dir, const char* path, int flags) override {
        const int fd = PosixFolderSource::openAt(dir, path, flags);
        const std::string_view name(path);
        const std::lock_guard lock(mutex_);
        if (fd < 0) return fd;
        ++open_;
        if (name == "slow" || name.ends_with("/slow")) slow_.insert(fd);
        return fd;
    }
    ssize_t list(int fd, void* buffer, std::size_t size) override {
        {
            std::unique_lock lock(mutex_);
            if (slow_.count(fd)) {
                ++waiting_;
                changed_.notify_all();
                changed_.wait_for(lock, std::chrono::seconds(20), [this] { return released_; });
                --waiting_;
            }
        }
        return PosixFolderSource::list(fd, buffer, size);
    }
    int close(int fd) override {
        {
            const std::lock_guard lock(mutex_);
            slow_.erase(fd);  // before the number can be given again
        }
        const int result = PosixFolderSource::close(fd);
        const std::lock_guard lock(mutex_);
        --open_;
        changed_.notify_all();
        return result;
    }

    // Waits (10 seconds at most) until a listing waits; whether one does.
    bool awaitWaiting() {
        return await([this] { return waiting_ > 0; });
    }
    bool waiting() {
        const std::lock_guard lock(mutex_);
        return waiting_ > 0;
    }
    void release() {
        const std::lock_guard lock(mutex_);
        released_ = true;
        changed_.notify_all();
    }
    // Waits (10 seconds at most) until every folder opened is closed; whether it is.
    bool awaitAllClosed() {
        return await([this] { return open_ == 0; });
    }

  private:
    template <typename Condition>
    bool await(Condition condition) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), condition);
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::set<int> slow_;
    int open_ = 0;
    int waiting_ = 0;
    bool released_ = false;
};

}  // namespace brisko::test
