#include "discovery/folder_walker.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/posix/paths.h"

namespace brisko {

namespace {

// The size of one read of a listing.
constexpr std::size_t kListingChunk = 32 * 1024;
// Refusals of O_NOATIME (folders of other owners) after which a walk stops asking.
constexpr int kNoAtimeRefusals = 64;

bool readOnly(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Whether one of `paths` (each with its trailing '/') is `folder` + `name`.
bool named(const std::vector<std::string>& paths, const std::string& folder,
           std::string_view name) {
    return std::any_of(paths.begin(), paths.end(), [&](const std::string& path) {
        return path.size() == folder.size() + name.size() + 1 && path.starts_with(folder) &&
               path.compare(folder.size(), name.size(), name) == 0;
    });
}

}  // namespace

FolderWalker::FolderWalker(SearchState& search, std::size_t thread)
    : search_(search),
      thread_(search.threads[thread]),
      source_(search.source),
      keep_(kMaxOpenFolders / search.threads.size() - 1) {}

FolderWalker::OpenFolder::~OpenFolder() {
    std::vector<Kept>& kept = walker.kept_;
    if (keep) {
        kept.insert(kept.begin(), {visit.place, fd, visit.path.size()});
        if (kept.size() <= walker.keep_) return;
        fd = kept.back().fd;
        kept.pop_back();
    }
    walker.call(visit.path, [this] { return walker.source_.close(fd); });
}

void FolderWalker::run() {
    for (;;) {
        std::optional<WalkTask> task;
        if (!stack_.empty()) {
            task = std::move(stack_.back());
            stack_.pop_back();
        } else if (!(task = search_.queue.take())) {
            break;
        }
        try {
            std::visit([this](const auto& piece) { visit(piece); }, *task);
        } catch (...) {
            search_.fail(std::current_exception());
        }
        if (search_.queue.stopped()) break;
        if (!found_.empty()) search_.publish(found_);
        if (!stack_.empty() && search_.queue.wanted()) search_.queue.give(stack_);
        if (stack_.empty()) search_.queue.drained(RootOf(*task), stack_);
    }
    for (const Kept& kept : kept_) call(thread_.callPath, [&] { return source_.close(kept.fd); });
}

void FolderWalker::visit(const FolderVisit& task) {
    const bool root = !task.place->parent;
    const int fd = open(task);
    if (fd < 0) return;
    OpenFolder folder{*this, fd, task};
    struct stat st;
    if (call(task.path, [&] { return source_.status(fd, st); }) != 0) return;
    // A read-only folder is not entered (its parent lists it as it lists a file).
    if (!root && readOnly(st.st_mode)) return;
    // Listed before it is claimed, so that its claim's slot is in the cache by then.
    search_.claims.prefetch({st.st_dev, st.st_ino});
    const std::size_t size = list(fd, task.path);
    if (!search_.claims.claim({st.st_dev, st.st_ino}, *task.place)) return;
    SearchState::Root& searched = search_.roots[task.root];
    if (root) findMountsInside(searched, fd, task.path);
    thread_.folders.fetch_add(1, std::memory_order_relaxed);
    const std::size_t made = stack_.size();
    std::uint32_t index = 0;
    for (std::size_t at = 0; at < size && !search_.queue.stopped(); ++index) {
        const auto* entry = reinterpret_cast<const dirent64*>(listing_.data() + at);
        at += entry->d_reclen;
        // Nothing could open a path longer than the system's limit.
        const std::string_view name(entry->d_name);
        if (name == "." || name == ".." || task.path.size() + name.size() >= PATH_MAX) continue;
        if (!named(searched.passedOver, task.path, name))
            look(fd, entry->d_name, name, entry->d_type, task, index);
    }
    // Done in listing order: the first on top.
    std::reverse(stack_.begin() + static_cast<std::ptrdiff_t>(made), stack_.end());
    folder.keep = stack_.size() > made;
}

void FolderWalker::visit(const PathLookup& task) {
    const SearchRoot& root = search_.roots[task.root].searched;
    const Target& target = root.targets().front();
    for (std::uint32_t index = task.index; index < task.end && !search_.queue.stopped(); ++index) {
        const std::string& path = root.paths()[index];
        if (holds(target.check, AT_FDCWD, path.c_str(), path))
            found_.push_back({&search_.rootPlaces[task.root], index, 0, target.counted, path});
    }
}

void FolderWalker::look(int dir, const char* at, std::string_view name, unsigned char type,
                        const FolderVisit& folder, std::uint32_t index) {
    std::string path;  // made when needed: most entries need none
    const auto full = [&]() -> const std::string& {
        if (path.empty()) (path = folder.path) += name;
        return path;
    };
    const SearchState::Root& searched = search_.roots[folder.root];
    // A mount point to walk last is not even looked at now: its file system may not
    // answer. It is a folder, entered after the rest of the root.
    const bool later = named(searched.walkedLast, folder.path, name);
    if (later) {
        type = DT_DIR;
    } else if (type == DT_UNKNOWN || !search_.useListedTypes) {
        struct stat st;
        if (call(full(), [&] { return source_.statusAt(dir, at, st, AT_SYMLINK_NOFOLLOW); }))
            return;
        type = IFTODT(st.st_mode);
    }
    if (type != DT_REG && type != DT_LNK && type != DT_DIR) return;  // sockets, FIFOs, devices
    const std::vector<Target>& targets = searched.searched.targets();
    for (std::uint32_t list = 0; list < targets.size(); ++list)
        if (searched.matches(list, name) &&
            (later ? targets[list].check == Check::Folder
                   : keeps(targets[list].check, dir, at, type, full())))
            found_.push_back({folder.place, index, list, targets[list].counted, full()});
    // Entered only when at least a one-letter name inside fits the path limit.
    if (type != DT_DIR || searched.searched.kind() != SearchRoot::Kind::Walk ||
        full().size() + 2 >= PATH_MAX)
        return;
    path += '/';
    FolderVisit sub{folder.root, std::move(path),
                    &thread_.places.emplace_back(folder.place, index)};
    later ? search_.queue.putOff(std::move(sub)) : stack_.push_back(std::move(sub));
}

bool FolderWalker::keeps(Check check, int dir, const char* at, unsigned char type,
                         const std::string& path) {
    if (type == DT_DIR && check != Check::Listed) return check == Check::Folder;
    if (type == DT_REG && check != Check::Executable) return check != Check::Folder;
    if (check != Check::Listed) return holds(check, dir, at, path);
    if (type != DT_DIR) return true;
    // Not entered, a read-only folder counts like a file.
    struct stat st;
    return call(path, [&] { return source_.statusAt(dir, at, st, AT_SYMLINK_NOFOLLOW); }) == 0 &&
           S_ISDIR(st.st_mode) && readOnly(st.st_mode);
}

bool FolderWalker::holds(Check check, int dir, const char* at, const std::string& path) {
    struct stat st;
    if (call(path, [&] { return source_.statusAt(dir, at, st, 0); }) != 0) return false;
    if (check == Check::Folder) return S_ISDIR(st.st_mode);
    if (check == Check::File) return S_ISREG(st.st_mode);
    return check == Check::Listed ||
           (S_ISREG(st.st_mode) &&
            call(path, [&] { return source_.accessAt(dir, at, X_OK); }) == 0);
}

int FolderWalker::open(const FolderVisit& task) {
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
    // A root is taken as found; below it, a link is never entered (a trailing '/'
    // would follow one).
    const int flags = O_RDONLY | O_DIRECTORY | O_CLOEXEC | (root ? 0 : O_NOFOLLOW);
    named_.assign(path, from, path.size() - from - (root ? 0 : 1));
    const char* named = named_.c_str();
    // Without updating access times: the walk writes nothing to the disk. Only the
    // owner may ask for that; after some refusals the walk stops asking.
    if (!root && noAtimeRefusals_ < kNoAtimeRefusals) {
        const int fd = call(path, [&] { return source_.openAt(dir, named, flags | O_NOATIME); });
        if (fd >= 0 || errno != EPERM) return fd;
        ++noAtimeRefusals_;
    }
    return call(path, [&] { return source_.openAt(dir, named, flags); });
}

std::size_t FolderWalker::list(int fd, const std::string& path) {
    std::size_t size = 0;
    for (;;) {
        if (listing_.size() < size + kListingChunk) listing_.resize(size + kListingChunk);
        const ssize_t read =
            call(path, [&] { return source_.list(fd, listing_.data() + size, kListingChunk); });
        if (read <= 0 || search_.queue.stopped()) return size;
        size += static_cast<std::size_t>(read);
    }
}

void FolderWalker::findMountsInside(SearchState::Root& root, int fd, const std::string& path) {
    // The root's path as the system names the open folder (a link in it resolved).
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
    for (const std::string& mount : search_.remoteMounts)
        if (std::string folder = inside(mount); !folder.empty())
            root.walkedLast.push_back(std::move(folder));
    if (search_.unanswered)
        for (const std::string& mount : search_.unanswered->mountPoints())
            if (std::string folder = inside(mount); !folder.empty())
                root.passedOver.push_back(std::move(folder));
}

}  // namespace brisko
