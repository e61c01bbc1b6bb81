#include "discovery/folder_search.h"

#include <algorithm>
#include <system_error>
#include <thread>

#include "discovery/folder_walker.h"
#include "discovery/search_state.h"
#include "platform/posix/paths.h"

namespace brisko {

// The threads that walk. When the folders are not in the cache, each waits on
// the disk for most of its time, so many more than the processors keep the disk
// busy (measured on two processors with a cold cache: 2 threads 0.52 of find's
// time, 4 0.47, 8 0.38, 16 0.32); when they are, the extra threads cost little.
constexpr unsigned kWalkThreads = 16;

FolderSearch::FolderSearch(std::vector<SearchRoot> roots, SearchOptions options) {
    const unsigned threads =
        std::clamp(options.threads > 0 ? options.threads : kWalkThreads, 1u, kMaxOpenFolders);
    state_ = std::make_shared<SearchState>(std::move(roots), std::move(options), threads);
    seen_.resize(threads);
    unsigned started = 0;
    try {
        for (; started < threads; ++started)
            std::thread([state = state_, started] {
                FolderWalker(*state, started).run();
            }).detach();
    } catch (const std::system_error&) {
        // The threads started do the share of those the system refused.
    }
    if (started == 0) FolderWalker(*state_, 0).run();  // no thread at all: the walk runs here
}

FolderSearch::~FolderSearch() {
    stop();
}

bool FolderSearch::finished() const {
    return state_->queue.finished();
}

void FolderSearch::wait() {
    state_->queue.wait();
}

void FolderSearch::stop() {
    if (!stopped_) stopped_ = state_->stop();
}

FolderSearch::Progress FolderSearch::progress(Clock::time_point now) {
    Progress progress;
    progress.root = state_->queue.firstUnfinishedRoot();
    progress.found = state_->counted.load(std::memory_order_relaxed);
    SearchState::Thread* waiting = nullptr;
    Clock::time_point since = now - kWaitNamed;
    for (std::size_t i = 0; i < seen_.size(); ++i) {
        SearchState::Thread& thread = state_->threads[i];
        progress.folders += thread.folders.load(std::memory_order_relaxed);
        const std::uint64_t calls = thread.calls.load(std::memory_order_acquire);
        if (calls != seen_[i].calls) {
            seen_[i] = {calls, now};
            continue;
        }
        // The same call since then: the one waiting longest is named.
        if (calls % 2 == 1 && seen_[i].since <= since) {
            waiting = &thread;
            since = seen_[i].since;
        }
    }
    if (waiting) {
        const std::lock_guard lock(waiting->mutex);
        progress.waitingFor = WithoutTrailingSlash(waiting->callPath);
    }
    return progress;
}

std::vector<std::vector<std::vector<std::string>>> FolderSearch::results() {
    if (!stopped_) wait();
    SearchState& state = *state_;
    std::vector<std::vector<std::vector<std::string>>> lists(state.roots.size());
    for (std::size_t root = 0; root < lists.size(); ++root)
        lists[root].resize(state.roots[root].masks.size());
    const std::lock_guard lock(state.mutex);
    if (state.failure) std::rethrow_exception(state.failure);
    // Each match where the walk by one thread meets it: by its folder's place in
    // the walk, then its own index in the folder's listing.
    std::vector<std::pair<std::vector<std::uint32_t>, const SearchState::Match*>> order;
    for (const SearchState::Match& match : state.found) {
        if (match.place->dropped()) continue;
        order.emplace_back(match.place->indices(), &match);
        order.back().first.push_back(match.index);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [at, match] : order) lists[at.front()][match->list].push_back(match->path);
    return lists;
}

}  // namespace brisko
