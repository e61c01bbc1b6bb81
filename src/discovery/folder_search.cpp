// A search and its threads. A thread lists a folder whole within one task, and keeps the
// last few that hold sub-folders open (its share of kMaxOpenFolders) to open those from.
#include "discovery/folder_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <system_error>
#include <thread>

#include "discovery/search_state.h"
#include "platform/folder_source.h"
#include "platform/posix/files.h"
#include "platform/posix/folder_source.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

// The threads that walk. With the folders not in the cache each waits on the disk most of
// its time, so many more than the processors keep it busy (two processors, cache cold: 2
// threads 0.52 of find's time, 4 0.47, 8 0.38, 16 0.32); with them cached, they cost little.
constexpr unsigned kWalkThreads = 16;

constexpr std::size_t kListingChunk = 32 * 1024;  // the size of one read of a listing
constexpr int kNoAtimeRefusals = 64;  // of O_NOATIME (others' folders): then no more asking

// The innermost of the remote mounts that holds `path`; empty when none does.
std::string mountHolding(const std::string& path, const std::vector<std::string>& mounts) {
    const std::string inside = WithoutTrailingSlash(path) + '/';
    const std::string* holder = nullptr;
    for (const std::string& mount : mounts)
        if (inside.starts_with(mount == "/" ? mount : mount + '/') &&
            (!holder || mount.size() > holder->size()))
            holder = &mount;
    return holder ? *holder : std::string();
}

// Whether one of `paths` (each with its trailing '/') is `folder` + `name`.
bool named(const std::vector<std::string>& paths, const std::string& folder,
           std::string_view name) {
    return std::any_of(paths.begin(), paths.end(), [&](const std::string& path) {
        return path.size() == folder.size() + name.size() + 1 && path.starts_with(folder) &&
               path.compare(folder.size(), name.size(), name) == 0;
    });
}

// Whether `name` is one of the target's names, the letters A-Z in either case.
bool sought(const Target& target, std::string_view name) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    const auto same = [&](char a, char b) { return lower(a) == lower(b); };
    return std::any_of(target.names.begin(), target.names.end(), [&](const std::string& sought) {
        return sought.size() == name.size() &&
               std::equal(name.begin(), name.end(), sought.begin(), same);
    });
}

class FolderWalker {
    // Runs `call`, made known in the thread's record as a call on `path`. Keeps errno.
    template <typename Call>
    auto call(const std::string& path, Call call) {
        if (path != thread_.callPath) {
            const std::lock_guard lock(thread_.mutex);
            thread_.callPath = path;
        }
        std::atomic<std::uint64_t>& calls = thread_.calls;
        calls.store(calls.load(std::memory_order_relaxed) + 1, std::memory_order_release);
        const auto result = call();
        const int error = errno;
        calls.store(calls.load(std::memory_order_relaxed) + 1, std::memory_order_release);
        if (search_.stopped()) search_.answered(thread_);
        errno = error;
        return result;
    }

  public:
    FolderWalker(SearchState& search, std::size_t thread)
        : search_(search),
          thread_(search.threads[thread]),
          source_(search.source),
          keep_(kMaxOpenFolders / search.threads.size() - 1) {}

    void run() {
        while (std::optional<WalkTask> task = next()) {
            try {
                task->place ? visit(*task) : lookUp(*task);
            } catch (...) {
                search_.fail(std::current_exception());
            }
            if (search_.stopped()) break;
            if (!found_.empty()) search_.publish(found_);
            if (!stack_.empty() && search_.wanted()) search_.give(stack_);
            if (!stack_.empty()) continue;
            closeKept();  // before the search can end: it then makes no more calls
            search_.drained(task->root, stack_);
        }
        closeKept();
    }

  private:
    void closeKept() {
        for (const Kept& kept : kept_)
            call(thread_.callPath, [&] { return source_.close(kept.fd); });
        kept_.clear();
    }
    std::optional<WalkTask> next() {
        if (stack_.empty()) return search_.take();
        WalkTask task = std::move(stack_.back());
        stack_.pop_back();
        return task;
    }
    struct Kept {
        const WalkPlace* place;
        int fd;
        std::size_t pathLength;
    };
    // A folder's descriptor, closed or kept when the visit of the folder ends.
    struct OpenFolder {
        FolderWalker& walker;
        int fd;
        const WalkTask& visit;
        bool keep = false;  // it holds sub-folders to open from it
        ~OpenFolder() {
            std::vector<Kept>& kept = walker.kept_;
            if (keep) {
                kept.insert(kept.begin(), {visit.place, fd, visit.path.size()});
                if (kept.size() <= walker.keep_) return;
                fd = kept.back().fd;
                kept.pop_back();
            }
            walker.call(visit.path, [this] { return walker.source_.close(fd); });
        }
    };
    void visit(const WalkTask& task) {
        const bool root = !task.place->parent;
        const int fd = open(task);
        if (fd < 0) return;
        OpenFolder folder{*this, fd, task};
        struct stat st;
        if (call(task.path, [&] { return source_.status(fd, st); }) != 0) return;
        // A read-only folder (no write bit) is not entered: its parent lists it as a file.
        if (!root && !(st.st_mode & 0222)) return;
        const std::size_t size = list(fd, task.path);
        if (!search_.claim({st.st_dev, st.st_ino}, *task.place)) return;
        SearchState::Root& searched = search_.roots[task.root];
        if (root) findMountsInside(searched, fd, task.path);
        thread_.folders.fetch_add(1, std::memory_order_relaxed);
        const std::size_t made = stack_.size();
        std::uint32_t index = 0;
        for (std::size_t at = 0; at < size && !search_.stopped(); ++index) {
            const auto* entry = reinterpret_cast<const dirent64*>(listing_.data() + at);
            at += entry->d_reclen;
            const std::string_view name(entry->d_name);
            if (name == "." || name == ".." || task.path.size() + name.size() >= PATH_MAX) continue;
            if (!named(searched.passedOver, task.path, name))
                look(fd, entry->d_name, name, entry->d_type, task, index);
        }
        // Done in listing order: the first on top.
        std::reverse(stack_.begin() + static_cast<std::ptrdiff_t>(made), stack_.end());
        folder.keep = stack_.size() > made;
    }
    void lookUp(const WalkTask& task) {
        const SearchRoot& root = search_.roots[task.root].searched;
        const Target& target = root.targets.front();
        for (std::uint32_t index = task.index; index < task.end && !search_.stopped(); ++index) {
            const std::string& path = root.paths[index];
            if (target.program ? startable(target, AT_FDCWD, path.c_str(), path)
                               : holds(target.check, AT_FDCWD, path.c_str(), path))
                found_.push_back({&search_.rootPlaces[task.root], index, &target, path});
        }
    }
    void look(int dir, const char* at, std::string_view name, unsigned char type,
              const WalkTask& folder, std::uint32_t index) {
        std::string path;  // made when needed: most entries need none
        const auto full = [&]() -> const std::string& {
            if (path.empty()) (path = folder.path) += name;
            return path;
        };
        const SearchRoot& searched = search_.roots[folder.root].searched;
        // A mount point to walk last is not even looked at now: its file system may
        // not answer. It is a folder, entered after the rest of the root.
        const bool later = named(search_.roots[folder.root].walkedLast, folder.path, name);
        if (later) {
            type = DT_DIR;
        } else if (type == DT_UNKNOWN) {
            struct stat st;
            if (call(full(), [&] { return source_.statusAt(dir, at, st, AT_SYMLINK_NOFOLLOW); }))
                return;
            type = IFTODT(st.st_mode);
        }
        if (type != DT_REG && type != DT_LNK && type != DT_DIR) return;  // sockets, FIFOs, devices
        for (const Target& target : searched.targets)
            if (sought(target, name) &&
                (later ? target.check == Check::Folder : keeps(target, dir, at, type, full())))
                found_.push_back({folder.place, index, &target, full()});
        // Entered only when at least a one-letter name inside fits the path limit.
        if (type != DT_DIR || searched.kind != SearchRoot::Kind::Walk ||
            full().size() + 2 >= PATH_MAX)
            return;
        path += '/';
        WalkTask sub{folder.root, std::move(path),
                     &thread_.places.emplace_back(folder.place, index)};
        later ? search_.putOff(std::move(sub)) : stack_.push_back(std::move(sub));
    }
    bool keeps(const Target& target, int dir, const char* at, unsigned char type,
               const std::string& path) {
        if (target.program) return startable(target, dir, at, path);
        const Check check = target.check;
        if (type == DT_DIR && check != Check::Listed) return check == Check::Folder;
        if (type == DT_REG && check != Check::Executable) return check != Check::Folder;
        if (check != Check::Listed) return holds(check, dir, at, path);
        if (type != DT_DIR) return true;
        // Not entered, a read-only folder counts like a file.
        struct stat st;
        const auto status = [&] { return source_.statusAt(dir, at, st, AT_SYMLINK_NOFOLLOW); };
        return call(path, status) == 0 && S_ISDIR(st.st_mode) && !(st.st_mode & 0222);
    }
    // Whether `check` holds for what `path` names, its links followed.
    bool holds(Check check, int dir, const char* at, const std::string& path) {
        struct stat st;
        if (call(path, [&] { return source_.statusAt(dir, at, st, 0); }) != 0) return false;
        if (check == Check::Folder) return S_ISDIR(st.st_mode);
        if (check == Check::File) return S_ISREG(st.st_mode);
        return check == Check::Listed ||
               (S_ISREG(st.st_mode) &&
                call(path, [&] { return source_.accessAt(dir, at, X_OK); }) == 0);
    }
    // Whether the program at `path` (in the folder `dir`, or named by a full path)
    // may be started: see Target::program.
    bool startable(const Target& target, int dir, const char* at, const std::string& path) {
        struct stat file, folder;
        // A walk has the folder open; a path looked up names it.
        const auto folderStatus = [&] {
            return dir == AT_FDCWD ? source_.statusAt(dir, FolderOf(path).c_str(), folder, 0)
                                   : source_.status(dir, folder);
        };
        if (call(path, [&] { return source_.statusAt(dir, at, file, 0); }) != 0 ||
            !S_ISREG(file.st_mode) || !posix::OnlyOwnerMayChange(file) ||
            call(path, folderStatus) != 0 || !posix::OnlyOwnerMayChange(folder))
            return false;
        if (target.check == Check::Executable &&
            call(path, [&] { return source_.accessAt(dir, at, X_OK); }) != 0)
            return false;
        return target.beginsWith.empty() || beginsWith(dir, at, path, target.beginsWith);
    }
    bool beginsWith(int dir, const char* at, const std::string& path, std::string_view bytes) {
        // Not blocking: a FIFO put at the name meanwhile answers at once.
        const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        const int fd = call(path, [&] { return source_.openAt(dir, at, flags); });
        if (fd < 0) return false;
        std::string start(bytes.size(), '\0');
        const ssize_t read =
            call(path, [&] { return source_.read(fd, start.data(), start.size()); });
        call(path, [&] { return source_.close(fd); });
        return read == static_cast<ssize_t>(bytes.size()) && start == bytes;
    }
    int open(const WalkTask& task) {
        const std::string& path = task.path;
        const bool root = !task.place->parent;
        // From its folder when that is kept open, the last used first.
        int dir = AT_FDCWD;
        std::size_t from = 0;
        const auto parent = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& kept) {
            return kept.place == task.place->parent;
        });
        if (parent != kept_.end()) {
            dir = parent->fd;
            from = parent->pathLength;
            std::rotate(kept_.begin(), parent, parent + 1);
        }
        // A root is taken as found; below it, a link is never entered (a trailing
        // '/' would follow one).
        const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (root ? 0 : O_NOFOLLOW);
        named_.assign(path, from, path.size() - from - (root ? 0 : 1));
        // Without updating access times: the walk writes nothing to the disk. Only
        // the owner may ask for that; after some refusals the walk stops asking.
        if (!root && noAtimeRefusals_ < kNoAtimeRefusals) {
            const int fd =
                call(path, [&] { return source_.openAt(dir, named_.c_str(), flags | O_NOATIME); });
            if (fd >= 0 || errno != EPERM) return fd;
            ++noAtimeRefusals_;
        }
        return call(path, [&] { return source_.openAt(dir, named_.c_str(), flags); });
    }
    // Reads the folder's listing whole into `listing_`; its size.
    std::size_t list(int fd, const std::string& path) {
        std::size_t size = 0;
        for (;;) {
            if (listing_.size() < size + kListingChunk) listing_.resize(size + kListingChunk);
            const ssize_t read =
                call(path, [&] { return source_.list(fd, listing_.data() + size, kListingChunk); });
            if (read <= 0 || search_.stopped()) return size;
            size += static_cast<std::size_t>(read);
        }
    }
    void findMountsInside(SearchState::Root& root, int fd, const std::string& path) {
        // The root's path as the system names it (a link in it resolved).
        std::string real = source_.pathOf(fd);
        if (real.empty()) real = path;
        if (real.back() != '/') real += '/';
        // A mount point as the walk will write it, when it lies inside the root.
        const auto inside = [&](const std::string& mount) {
            const std::string folder = WithoutTrailingSlash(mount) + '/';
            if (folder.size() > real.size() && folder.starts_with(real))
                return path + folder.substr(real.size());
            return folder.size() > path.size() && folder.starts_with(path) ? folder : std::string();
        };
        const auto add = [&](const std::vector<std::string>& mounts, std::vector<std::string>& to) {
            for (const std::string& mount : mounts)
                if (std::string folder = inside(mount); !folder.empty()) to.push_back(folder);
        };
        add(search_.remoteMounts, root.walkedLast);
        if (search_.unanswered) add(search_.unanswered->mountPoints(), root.passedOver);
    }

    SearchState& search_;
    SearchState::Thread& thread_;
    FolderSource& source_;
    std::deque<WalkTask> stack_;
    std::vector<SearchState::Match> found_;  // by the task under way
    std::vector<char> listing_;
    std::string named_;  // the path a folder is opened by
    int noAtimeRefusals_ = 0;
    std::vector<Kept> kept_;  // the last used first
    std::size_t keep_;
};

}  // namespace

SearchState::SearchState(std::vector<SearchRoot> searched, SearchOptions options,
                         unsigned threadCount)
    : source(options.source ? *options.source : posix::PosixFolderSource::system()),
      remoteMounts(std::move(options.remoteMounts)),
      unanswered(options.unanswered ? std::optional(*options.unanswered) : std::nullopt),
      threads(threadCount),
      later_(searched.size()),
      pending_(searched.size()) {
    for (Claims& claims : claims_) claims.places.reserve(1 << 12);
    // The roots' first tasks, but for what lies in a mount that did not answer.
    for (std::uint32_t root = 0; root < searched.size(); ++root) {
        const WalkPlace& place = rootPlaces.emplace_back(nullptr, root);
        roots.push_back({std::move(searched[root]), {}, {}});
        const std::vector<std::string>& paths = roots.back().searched.paths;
        const bool lookup = roots.back().searched.kind == SearchRoot::Kind::Lookup;
        for (std::uint32_t i = 0, next = 1; i < paths.size(); i = next++) {
            if (lookup)
                while (next < paths.size() && FolderOf(paths[next]) == FolderOf(paths[i])) ++next;
            if (unanswered && unanswered->holds(paths[i])) continue;
            ++pending_[root];
            if (lookup)
                ready_.push_back({root, {}, nullptr, i, next});
            else
                ready_.push_back({root, paths[i], &place});
        }
    }
    ended(0);
}

bool SearchState::stop() {
    {
        const std::lock_guard lock(mutex_);
        if (finished()) return false;
        stopped_.store(true, std::memory_order_relaxed);
        wake_.notify_all();
    }
    // Under the lock the thread takes to take the mount point back.
    for (Thread& thread : threads) {
        const std::lock_guard lock(thread.mutex);
        if (!unanswered || thread.calls.load(std::memory_order_acquire) % 2 == 0) continue;
        thread.leftIn = mountHolding(thread.callPath, remoteMounts);
        if (!thread.leftIn.empty()) unanswered->add(thread.leftIn);
    }
    return true;
}

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

bool FolderSearch::finished() const {
    return state_->finished();
}

void FolderSearch::stop() {
    if (!stopped_) stopped_ = state_->stop();
}

FolderSearch::Progress FolderSearch::progress(Clock::time_point now) {
    Progress progress;
    const std::vector<SearchState::Root>& roots = state_->roots;
    const std::size_t root = std::min(state_->firstUnfinishedRoot(), roots.size() - 1);
    if (!roots.empty()) progress.place = roots[root].searched.place;
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

void FolderSearch::finish() {
    const std::vector<SearchState::Match> found = state_->results();
    // Each match where the walk by one thread meets it: by its folder's place in
    // the walk, then its own index in the folder's listing.
    std::vector<std::pair<std::vector<std::uint32_t>, const SearchState::Match*>> order;
    for (const SearchState::Match& match : found) {
        if (match.place->dropped()) continue;
        order.emplace_back(match.place->indices(), &match);
        order.back().first.push_back(match.index);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [at, match] : order) match->target->into->push_back(match->path);
}

}  // namespace brisko
