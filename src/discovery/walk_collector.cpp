#include "discovery/walk_collector.h"

#include "discovery/folder_walk.h"

namespace brisko {

namespace {
// Folders open at once when a folder is walked again.
constexpr std::size_t kOpenFolders = 64;
}  // namespace

WalkCollector::WalkCollector(const WalkSetup& setup, WalkPool& pool,
                             std::vector<std::vector<std::string>*> lists, Mode mode, bool metTwice)
    : setup_(setup),
      pool_(pool),
      lists_(std::move(lists)),
      settle_(mode == Mode::Whole && metTwice) {}

void WalkCollector::collect(const WalkTask& root) {
    std::vector<std::pair<const WalkTask*, std::size_t>> stack{{&root, 0}};
    while (!stack.empty()) {
        auto [task, next] = stack.back();
        const WalkOutput& output = task->output;
        if (next == output.steps.size()) {
            stack.pop_back();
            // A task stopped midway: what its open folders handed over, innermost
            // folder first, each folder's tasks in listing order.
            for (const auto& handed : output.open)
                for (std::size_t number : handed) stack.push_back({&pool_.task(number), 0});
            continue;
        }
        const WalkStep step = output.steps[next++];
        stack.back().second = next;
        switch (step.kind) {
            case WalkStep::Kind::Match:
                lists_[step.value]->push_back(output.texts[step.text]);
                break;
            case WalkStep::Kind::Enter:
                if (settle_ && !seen_.insert(step.folder)) stack.back().second = step.value;
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

void WalkCollector::walkAgain(const WalkTask& from, const std::string& dir, FolderId folder) {
    WalkTask task;
    task.root = from.root;
    task.dir = dir;
    task.folder = folder;
    FolderWalk(setup_, seen_, nullptr, false, kOpenFolders, nullptr).run(task);
    WalkCollector(setup_, pool_, lists_, Mode::Whole, false).collect(task);
}

}  // namespace brisko
