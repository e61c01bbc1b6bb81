#include "discovery/search_state.h"

#include <algorithm>

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
        const std::vector<std::string>& paths = roots[root].searched.paths();
        for (std::uint32_t i = 0, next = 1; i < paths.size(); i = next++) {
            const bool lookup = roots[root].searched.kind() == SearchRoot::Kind::Lookup;
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

bool SearchState::Root::matches(std::size_t list, std::string_view name) const {
    return std::any_of(masks[list].begin(), masks[list].end(),
                       [name](const NameMask& mask) { return mask.matches(name); });
}

SearchState::Root::Root(SearchRoot root) : searched(std::move(root)) {
    for (const Target& target : searched.targets())
        masks.emplace_back(target.masks.begin(), target.masks.end());
}

SearchState::SearchState(std::vector<SearchRoot> searched, SearchOptions options,
                         unsigned threadCount)
    : roots(std::make_move_iterator(searched.begin()), std::make_move_iterator(searched.end())),
      useListedTypes(options.useListedTypes),
      source(options.source ? *options.source : posix::PosixFolderSource::system()),
      remoteMounts(std::move(options.remoteMounts)),
      unanswered(options.unanswered ? std::optional(*options.unanswered) : std::nullopt),
      queue(roots.size(), firstTasks(roots, rootPlaces, unanswered)),
      threads(threadCount) {}

void SearchState::publish(std::vector<Match>& matches) {
    const std::lock_guard lock(mutex);
    if (!queue.stopped()) {
        for (Match& match : matches) {
            if (match.counted) counted.fetch_add(1, std::memory_order_relaxed);
            found.push_back(std::move(match));
        }
    }
    matches.clear();
}

void SearchState::fail(std::exception_ptr error) {
    const std::lock_guard lock(mutex);
    if (!failure) failure = error;
}

void SearchState::answered(Thread& thread) {
    const std::lock_guard lock(thread.mutex);
    if (!thread.leftIn.empty()) unanswered->remove(thread.leftIn);
    thread.leftIn.clear();
}

bool SearchState::stop() {
    {
        const std::lock_guard lock(mutex);
        if (queue.finished()) return false;
        queue.stop();
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
