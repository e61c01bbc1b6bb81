#include "discovery/search_directory.h"

#include <exception>
#include <system_error>
#include <thread>

#include "discovery/folder_walk.h"
#include "discovery/walk_pool.h"
#include "platform/posix/processors.h"

namespace brisko {

namespace {

// Folders open at once, all threads together.
constexpr std::size_t kOpenFolders = 64;

unsigned threadCount(unsigned asked) {
    if (asked > 0) return asked;
    return posix::OnlineProcessors().hasSecondProcessor() ? 2 : 1;
}

// Puts what the tasks found into the lists, in the order of a walk by one thread.
// When no folder was met twice, every folder met was entered once, as the walk by
// one thread enters it. Otherwise which place of a folder came first is settled
// here, in walk order: an entered folder seen before is dropped with all it
// holds, and a folder passed over whose first place was dropped, or lay further
// on, is walked now.
class Collector {
  public:
    Collector(const WalkSetup& setup, WalkPool& pool, std::vector<std::vector<std::string>*> lists,
              bool settleFolders)
        : setup_(setup), pool_(pool), lists_(std::move(lists)), settle_(settleFolders) {}

    void collect(WalkTask& root) {
        std::vector<std::pair<WalkTask*, std::size_t>> stack{{&root, 0}};
        while (!stack.empty()) {
            auto& [task, next] = stack.back();
            WalkOutput& output = task->output;
            if (next == output.steps.size()) {
                stack.pop_back();
                continue;
            }
            const WalkStep step = output.steps[next++];
            switch (step.kind) {
                case WalkStep::Kind::Match:
                    lists_[step.value]->push_back(std::move(output.texts[step.text]));
                    break;
                case WalkStep::Kind::Enter:
                    if (settle_ && !seen_.insert(step.folder)) next = step.value;
                    break;
                case WalkStep::Kind::Skip:
                    if (settle_) walkAgain(*task, output.texts[step.text], step.folder);
                    break;
                case WalkStep::Kind::Handed:
                    stack.push_back({&pool_.task(step.value), 0});
                    break;
            }
        }
    }

  private:
    void walkAgain(const WalkTask& from, const std::string& dir, FolderId folder) {
        WalkTask task;
        task.root = from.root;
        task.dir = dir;
        task.folder = folder;
        FolderWalk(setup_, seen_, nullptr, kOpenFolders).run(task);
        Collector(setup_, pool_, lists_, false).collect(task);
    }

    const WalkSetup& setup_;
    WalkPool& pool_;
    std::vector<std::vector<std::string>*> lists_;
    bool settle_;
    VisitedFolders seen_{false};
};

}  // namespace

void SearchDirectory(std::string dir, const std::string& mask, bool recursive,
                     std::vector<std::string>& list) {
    const SearchTarget target{mask, &list};
    SearchDirectoryFor(std::move(dir), {&target, 1}, recursive);
}

void SearchDirectoryFor(std::string dir, std::span<const SearchTarget> targets, bool recursive,
                        WalkOptions options) {
    const SearchRoot root{std::move(dir), targets};
    SearchDirectoriesFor({&root, 1}, recursive, options);
}

void SearchDirectoriesFor(std::span<const SearchRoot> roots, bool recursive, WalkOptions options) {
    WalkSetup setup{.recursive = recursive, .useListedTypes = options.useListedTypes, .masks = {}};
    std::vector<std::vector<std::string>*> lists;
    for (const SearchRoot& root : roots) {
        auto& masks = setup.masks.emplace_back();
        for (const SearchTarget& target : root.targets) {
            masks.push_back({NameMask(target.mask), lists.size()});
            lists.push_back(target.list);
        }
    }
    const unsigned threads = recursive ? threadCount(options.threads) : 1;

    WalkPool pool;
    std::vector<WalkTask*> tasks;
    for (std::size_t i = 0; i < roots.size(); ++i) {
        WalkTask task;
        task.root = i;
        task.dir = roots[i].dir;
        tasks.push_back(&pool.add(std::move(task)));
    }
    VisitedFolders visited(threads > 1);
    std::exception_ptr failure;
    {
        WalkPool* sharing = threads > 1 ? &pool : nullptr;
        const std::size_t budget = kOpenFolders / threads;
        std::vector<std::jthread> helpers;
        // Without a thread the system refuses, the others do its share.
        for (unsigned i = 1; i < threads; ++i) {
            try {
                helpers.emplace_back([&] {
                    FolderWalk walk(setup, visited, sharing, budget);
                    pool.work([&walk](WalkTask& task) { walk.run(task); });
                });
            } catch (const std::system_error&) {
                break;
            }
        }
        FolderWalk walk(setup, visited, sharing, budget);
        try {
            for (WalkTask* task : tasks) walk.run(*task);
        } catch (...) {
            failure = std::current_exception();
        }
        pool.rootsDone();
        if (sharing) pool.work([&walk](WalkTask& task) { walk.run(task); });
    }
    if (!failure) failure = pool.failure();
    if (failure) std::rethrow_exception(failure);
    Collector collector(setup, pool, std::move(lists), threads > 1 && visited.metTwice());
    for (WalkTask* task : tasks) collector.collect(*task);
}

}  // namespace brisko
