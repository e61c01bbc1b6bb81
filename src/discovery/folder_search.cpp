#include "discovery/folder_search.h"

#include <atomic>
#include <condition_variable>
#include <fstream>
#include <iterator>
#include <mutex>
#include <system_error>
#include <thread>

#include "discovery/folder_walk.h"
#include "discovery/walk_collector.h"
#include "discovery/walk_pool.h"
#include "discovery/walker_slot.h"
#include "platform/posix/drives.h"

namespace brisko {

namespace {

// Folders open at once, all threads together.
constexpr std::size_t kOpenFolders = 64;
// The threads that walk. When the folders are not in the cache, each waits on
// the disk for most of its time, so many more than the processors keep the disk
// busy (measured on two processors with a cold cache: 2 threads 0.52 of find's
// time, 4 0.47, 8 0.38, 16 0.32); when they are, the extra threads cost little
// (0.23 of find's time with 2, 0.24 with 16).
constexpr unsigned kWalkThreads = 16;

std::vector<std::string> systemRemoteMounts() {
    std::ifstream file("/proc/self/mounts");
    const std::string table((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    return posix::RemoteMountPoints(table);
}

enum Status : int { Running, Collecting, Finished, Stopped };

}  // namespace

// What the search's threads share with it; the last of them to let go frees it.
struct FolderSearch::Shared {
    Shared(std::size_t roots, unsigned threads)
        : pool(roots), visited(threads > 1), slots(threads) {}

    void walk(std::size_t slot);
    void collect();

    WalkSetup setup;
    WalkPool pool;
    VisitedFolders visited;
    std::vector<WalkerSlot> slots;
    std::size_t lists = 0;
    bool share = false;
    std::size_t budget = kOpenFolders;
    std::atomic<unsigned> walking{0};  // threads that have not finished walking
    std::atomic<int> status{Running};
    std::mutex mutex;
    std::condition_variable ended;
    std::vector<std::vector<std::string>> results;  // once Finished
    std::exception_ptr failure;
};

void FolderSearch::Shared::walk(std::size_t index) {
    WalkerSlot& slot = slots[index];
    try {
        FolderWalk walk(setup, visited, &pool, share, budget, &slot);
        pool.work(slot, [&walk](WalkTask& task) { walk.run(task); });
    } catch (const Abandoned&) {
        return;  // the search was stopped: nothing of it is touched again
    }
    slot.exit();
    if (walking.fetch_sub(1) == 1) collect();
}

void FolderSearch::Shared::collect() {
    int running = Running;
    if (!status.compare_exchange_strong(running, Collecting)) return;
    std::vector<std::vector<std::string>> found(lists);
    std::exception_ptr error = pool.failure();
    if (!error) {
        try {
            std::vector<std::vector<std::string>*> into;
            for (auto& list : found) into.push_back(&list);
            WalkCollector collector(setup, pool, std::move(into), WalkCollector::Mode::Whole,
                                    visited.metTwice());
            for (std::size_t root = 0; root < setup.masks.size(); ++root)
                collector.collect(pool.task(root));
        } catch (...) {
            error = std::current_exception();
        }
    }
    {
        const std::lock_guard lock(mutex);
        results = std::move(found);
        failure = error;
        int collecting = Collecting;
        status.compare_exchange_strong(collecting, Finished);  // unless stopped meanwhile
    }
    ended.notify_all();
}

FolderSearch::FolderSearch(std::span<const SearchRoot> roots, bool recursive, WalkOptions options)
    : FolderSearch(roots, recursive, options, systemRemoteMounts()) {}

FolderSearch::FolderSearch(std::span<const SearchRoot> roots, bool recursive, WalkOptions options,
                           std::vector<std::string> remoteMounts) {
    const unsigned threads = recursive ? (options.threads > 0 ? options.threads : kWalkThreads) : 1;
    shared_ = std::make_shared<Shared>(roots.size(), threads);
    Shared& shared = *shared_;
    WalkSetup& setup = shared.setup;
    setup.recursive = recursive;
    setup.useListedTypes = options.useListedTypes;
    if (options.source) setup.source = options.source;
    setup.remoteMounts = std::move(remoteMounts);
    setup.recordFolders = threads > 1;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        auto& masks = setup.masks.emplace_back();
        for (const SearchTarget& target : roots[i].targets) {
            masks.push_back({NameMask(target.mask), lists_.size(), target.counted});
            lists_.push_back(target.list);
        }
        WalkTask task;
        task.root = i;
        task.dir = roots[i].dir;
        shared.pool.addRoot(std::move(task));
    }
    shared.lists = lists_.size();
    shared.share = threads > 1;
    shared.budget = kOpenFolders / threads;
    calls_.resize(threads);

    shared.walking = threads;
    unsigned started = 0;
    for (; started < threads; ++started) {
        try {
            std::thread([shared = shared_, started] { shared->walk(started); }).detach();
        } catch (const std::system_error&) {
            break;
        }
    }
    if (started == 0) {  // no thread at all: the walk runs here
        shared.walking = 1;
        shared.walk(0);
        return;
    }
    // Without a thread the system refuses, the others do its share.
    for (unsigned refused = started; refused < threads; ++refused) {
        shared.slots[refused].exit();
        if (shared.walking.fetch_sub(1) == 1) shared.collect();
    }
}

FolderSearch::~FolderSearch() {
    stop();
}

bool FolderSearch::finished() const {
    return shared_->status.load(std::memory_order_acquire) == Finished;
}

void FolderSearch::wait() {
    std::unique_lock lock(shared_->mutex);
    shared_->ended.wait(lock, [this] {
        const int status = shared_->status.load();
        return status == Finished || status == Stopped;
    });
}

void FolderSearch::stop() {
    Shared& shared = *shared_;
    int status = shared.status.load();
    do {
        if (status == Finished || status == Stopped) return;
    } while (!shared.status.compare_exchange_weak(status, Stopped));
    stopped_ = true;
    shared.pool.stop();
    for (WalkerSlot& slot : shared.slots) slot.claim();
}

FolderSearch::Progress FolderSearch::progress(Clock::time_point now) {
    Shared& shared = *shared_;
    Progress progress;
    progress.root = shared.pool.firstUnfinishedRoot();
    WalkerSlot* waiting = nullptr;
    Clock::time_point since = now - kWaitNamed;
    for (std::size_t i = 0; i < shared.slots.size(); ++i) {
        WalkerSlot& slot = shared.slots[i];
        progress.folders += slot.folders();
        progress.found += slot.found();
        Call& call = calls_[i];
        if (!call.seen || slot.calls() != call.calls) {
            call = {slot.calls(), now, true};
            continue;
        }
        // The same call since `call.since`: the one waiting longest is named.
        if (slot.state() == WalkerSlot::InCall && call.since <= since) {
            waiting = &slot;
            since = call.since;
        }
    }
    if (waiting)
        if (auto path = waiting->waitsOn()) progress.waitingFor = std::move(*path);
    return progress;
}

void FolderSearch::deliver() {
    Shared& shared = *shared_;
    if (!stopped_) wait();
    if (!stopped_) {
        const std::lock_guard lock(shared.mutex);
        if (shared.failure) std::rethrow_exception(shared.failure);
        for (std::size_t i = 0; i < lists_.size(); ++i)
            lists_[i]->insert(lists_[i]->end(), std::make_move_iterator(shared.results[i].begin()),
                              std::make_move_iterator(shared.results[i].end()));
        return;
    }
    // Every walker is claimed: the tasks stay as they are from here on.
    WalkCollector collector(shared.setup, shared.pool, lists_, WalkCollector::Mode::Stopped, false);
    for (std::size_t root = 0; root < shared.setup.masks.size(); ++root)
        collector.collect(shared.pool.task(root));
}

}  // namespace brisko
