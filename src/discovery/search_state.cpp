#include "discovery/search_state.h"

#include <algorithm>

#include "platform/ascii.h"
#include "platform/posix/folder_source.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

// The innermost of the remote mounts that holds `path`, or else the path itself.
std::string mountHolding(const std::string& path, const std::vector<std::string>& mounts) {
    const std::string inside = WithoutTrailingSlash(path) + '/';
    const std::string* holder = nullptr;
    for (const std::string& mount : mounts)
        if (inside.starts_with(mount + '/') && (!holder || mount.size() > holder->size()))
            holder = &mount;
    return holder ? *holder : WithoutTrailingSlash(path);
}

// The roots' places and first tasks, leaving out what lies in a mount that did
// not answer.
std::vector<WalkTask> firstTasks(const std::vector<SearchState::Root>& roots,
                                 std::deque<WalkPlace>& places,
                                 const std::optional<UnansweredMounts>& unanswered) {
    std::vector<WalkTask> tasks;
    for (std::uint32_t root = 0; root < roots.size(); ++root) {
        const WalkPlace& place = places.emplace_back(nullptr, root);
        const SearchRoot& searched = roots[root].searched;
        const std::vector<std::string>& paths = searched.paths;
        const bool lookup = searched.kind == SearchRoot::Kind::Lookup;
        for (std::uint32_t i = 0, next = 1; i < paths.size(); i = next++) {
            if (lookup)
                while (next < paths.size() && FolderOf(paths[next]) == FolderOf(paths[i])) ++next;
            if (unanswered && unanswered->holds(paths[i])) continue;
            if (lookup)
                tasks.emplace_back(PathLookup{root, i, next});
            else
                tasks.emplace_back(FolderVisit{root, paths[i], &place});
        }
    }
    return tasks;
}

}  // namespace

std::vector<std::uint32_t> WalkPlace::indices() const {
    std::vector<std::uint32_t> indices;
    for (const WalkPlace* place = this; place; place = place->parent)
        indices.insert(indices.begin(), place->index);
    return indices;
}

bool WalkPlace::dropped() const {
    for (const WalkPlace* place = this; place; place = place->parent)
        if (place->lost.load(std::memory_order_relaxed)) return true;
    return false;
}

SearchState::Root::Root(SearchRoot root) : searched(std::move(root)) {
    for (Target& target : searched.targets)
        for (std::string& name : target.names) name = asciiLower(name);
}

void SearchState::Thread::callStarts(const std::string& path) {
    if (path != callPath) {
        const std::lock_guard lock(mutex);
        callPath = path;
    }
    callEnded();
}

SearchState::SearchState(std::vector<SearchRoot> searched, SearchOptions options,
                         unsigned threadCount)
    : roots(std::make_move_iterator(searched.begin()), std::make_move_iterator(searched.end())),
      source(options.source ? *options.source : posix::PosixFolderSource::system()),
      remoteMounts(std::move(options.remoteMounts)),
      unanswered(options.unanswered ? std::optional(*options.unanswered) : std::nullopt),
      threads(threadCount),
      later_(roots.size()),
      pending_(roots.size()) {
    for (WalkTask& task : firstTasks(roots, rootPlaces, unanswered)) {
        ++pending_[RootOf(task)];
        ready_.push_back(std::move(task));
    }
    ended(0);
}

std::optional<WalkTask> SearchState::take() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (stopped() || finished()) return std::nullopt;
        if (!ready_.empty()) {
            WalkTask task = std::move(ready_.front());
            ready_.pop_front();
            publishWanted();
            return task;
        }
        ++idle_;
        publishWanted();
        wake_.wait(lock);
        --idle_;
        publishWanted();
    }
}

void SearchState::drained(std::size_t root, std::deque<WalkTask>& stack) {
    const std::lock_guard lock(mutex_);
    if (--pending_[root] > 0) return;
    std::vector<WalkTask>& later = later_[root];
    if (later.empty()) return ended(root);
    pending_[root] = 1;  // this thread's
    // The first met on top.
    for (auto task = later.rbegin(); task != later.rend(); ++task)
        stack.push_back(std::move(*task));
    later.clear();
}

void SearchState::ended(std::size_t root) {
    std::size_t first = first_.load(std::memory_order_relaxed);
    if (root != first) return;
    while (first < pending_.size() && pending_[first] == 0) ++first;
    first_.store(first, std::memory_order_relaxed);
    if (first == pending_.size()) {
        finished_.store(true, std::memory_order_release);
        wake_.notify_all();
    }
}

void SearchState::putOff(FolderVisit task) {
    const std::lock_guard lock(mutex_);
    later_[task.root].push_back(std::move(task));
}

void SearchState::give(std::deque<WalkTask>& stack) {
    const std::lock_guard lock(mutex_);
    pending_[RootOf(stack.front())] += (stack.size() + 1) / 2;
    for (std::size_t given = (stack.size() + 1) / 2; given > 0; --given) {
        ready_.push_back(std::move(stack.front()));
        stack.pop_front();
    }
    publishWanted();
    wake_.notify_all();
}

void SearchState::wait() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopped() || finished(); });
}

bool SearchState::claim(FolderId folder, const WalkPlace& place) {
    const std::lock_guard lock(claimsMutex_);
    const auto [at, first] = claims_.try_emplace(folder, &place);
    if (first) return true;
    if (!(place.indices() < at->second->indices())) return false;
    at->second->lost.store(true, std::memory_order_relaxed);
    at->second = &place;
    return true;
}

void SearchState::publish(std::vector<Match>& matches) {
    const std::lock_guard lock(mutex_);
    if (!stopped()) {
        for (Match& match : matches) {
            if (match.target->counted) counted.fetch_add(1, std::memory_order_relaxed);
            found_.push_back(std::move(match));
        }
    }
    matches.clear();
}

void SearchState::fail(std::exception_ptr error) {
    const std::lock_guard lock(mutex_);
    if (!failure_) failure_ = error;
}

std::vector<SearchState::Match> SearchState::results() {
    const std::lock_guard lock(mutex_);
    if (failure_) std::rethrow_exception(failure_);
    return found_;
}

void SearchState::answered(Thread& thread) {
    const std::lock_guard lock(thread.mutex);
    if (!thread.leftIn.empty()) unanswered->remove(thread.leftIn);
    thread.leftIn.clear();
}

bool SearchState::stop() {
    {
        const std::lock_guard lock(mutex_);
        if (finished()) return false;
        stopped_.store(true, std::memory_order_relaxed);
        wake_.notify_all();
    }
    // Under the thread's lock, which it takes to take the mount point back once
    // its call has answered after all.
    for (Thread& thread : threads) {
        const std::lock_guard lock(thread.mutex);
        if (!unanswered || thread.calls.load(std::memory_order_acquire) % 2 == 0) continue;
        thread.leftIn = mountHolding(thread.callPath, remoteMounts);
        unanswered->add(thread.leftIn);
    }
    return true;
}

}  // namespace brisko
