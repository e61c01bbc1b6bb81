#include "discovery/folder_walk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "discovery/walk_pool.h"

namespace brisko {

namespace {

// The size of one read of a listing.
constexpr std::size_t kListingChunk = 32 * 1024;

bool readOnly(mode_t mode) {
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

unsigned char typeOf(mode_t mode) {
    if (S_ISREG(mode)) return DT_REG;
    if (S_ISDIR(mode)) return DT_DIR;
    if (S_ISLNK(mode)) return DT_LNK;
    return DT_UNKNOWN;  // sockets, FIFOs, devices
}

bool dotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

const dirent64* recordAt(const char* at) {
    return reinterpret_cast<const dirent64*>(at);
}

}  // namespace

FolderWalk::FolderWalk(const WalkSetup& setup, VisitedFolders& visited, WalkPool* pool, bool share,
                       std::size_t openBudget, WalkerSlot* slot)
    : setup_(setup),
      source_(*setup.source),
      visited_(visited),
      pool_(pool),
      share_(pool && share),
      budget_(openBudget < 2 ? 2 : openBudget),
      slot_(slot) {}

FolderWalk::~FolderWalk() {
    closeAll();
}

void FolderWalk::closeAll() {
    // Not made known: this runs when the walk has ended or was abandoned.
    for (const Frame& frame : frames_)
        if (frame.fd >= 0) source_.close(frame.fd);
    frames_.clear();
    open_ = 0;
}

int FolderWalk::openAt(int dir, const char* path, int flags, const char* name) {
    return announced(
        name, [&] { return source_.openAt(dir, path, flags); },
        [this](int opened) {
            if (opened >= 0) source_.close(opened);
        });
}

int FolderWalk::statusOf(int fd, struct stat& st, const char* name) {
    return announced(name, [&] { return source_.status(fd, st); });
}

int FolderWalk::statusAt(int dir, const char* name, struct stat& st) {
    return announced(name, [&] { return source_.statusAt(dir, name, st); });
}

ssize_t FolderWalk::listOf(int fd, void* buffer, std::size_t size) {
    return announced(nullptr, [&] { return source_.list(fd, buffer, size); });
}

void FolderWalk::closeFolder(int fd) {
    announced(nullptr, [&] { return source_.close(fd); });
}

int FolderWalk::openFolder(int at, const char* path, const char* name,
                           const std::optional<FolderId>& expected, FolderId& found) {
    const int fd = openAt(at, path, O_RDONLY | O_DIRECTORY | O_CLOEXEC, name);
    if (fd < 0) return -1;
    struct stat st;
    int status = -1;
    try {
        status = statusOf(fd, st, name);
    } catch (const Abandoned&) {
        source_.close(fd);
        throw;
    }
    if (status == 0) {
        found = {st.st_dev, st.st_ino};
        if (!expected || *expected == found) return fd;
    }
    closeFolder(fd);
    return -1;
}

void FolderWalk::run(WalkTask& task) {
    if (!start(task)) return;
    while (!frames_.empty()) {
        Frame& frame = frames_.back();
        if (frame.next == frame.end) {
            leave();
            continue;
        }
        const dirent64* entry = recordAt(arenaAt(frame.next));
        frame.next += entry->d_reclen;
        entryFound(entry);
        if (!pool_) continue;
        if (pool_->stopping()) {
            if (slot_) slot_->abandon();
            throw Abandoned();
        }
        if (share_ && pool_->wanted()) giveAway();
    }
}

bool FolderWalk::start(WalkTask& task) {
    task_ = &task;
    masks_ = &setup_.masks[task.root];
    path_ = task.dir;
    closeAll();
    top_ = 0;
    if (path_.empty()) return false;
    if (path_.back() != '/') path_ += '/';
    FolderId folder;
    const int fd = openFolder(AT_FDCWD, path_.c_str(), nullptr, task.folder, folder);
    if (fd < 0) return false;
    const bool root = !task.folder && !task.continued;
    if (root) readWalkLast(fd);
    walkLast_ = task.walkLast.get();
    recordFolders_ = setup_.recordFolders || walkLast_;
    ++open_;
    if (task.continued) {
        const std::size_t size = task.listing.size();
        const std::size_t words = size / sizeof(std::uint64_t) + 1;
        if (arena_.size() < words) arena_.resize(words);
        std::memcpy(arenaAt(0), task.listing.data(), size);
        top_ = size;
        pushFrame(fd, 0, kNoStep, folder);
        return true;
    }
    if (!visited_.insert(folder)) {
        recordSkip(folder);
        --open_;
        closeFolder(fd);
        return false;
    }
    const std::size_t enterStep = recordEnter(folder);
    if (slot_) slot_->folderEntered();
    try {
        readListing(fd);
    } catch (const Abandoned&) {
        source_.close(fd);
        throw;
    }
    pushFrame(fd, 0, enterStep, folder);
    return true;
}

void FolderWalk::readWalkLast(int fd) {
    if (setup_.remoteMounts.empty() || !pool_) return;
    // The root's own path as the system names the open folder (a link in the
    // root's path resolved), without asking any file system.
    char link[PATH_MAX];
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t size = ::readlink(proc.c_str(), link, sizeof link - 1);
    std::string real = size > 0 ? std::string(link, static_cast<std::size_t>(size))
                                : path_.substr(0, path_.size() - 1);
    if (real.empty() || real.back() != '/') real += '/';
    auto paths = std::make_shared<std::vector<std::string>>();
    for (const std::string& mount : setup_.remoteMounts)
        if (mount.size() > real.size() && mount.compare(0, real.size(), real) == 0)
            paths->push_back(path_ + mount.substr(real.size()) + '/');
    if (!paths->empty()) task_->walkLast = std::move(paths);
}

void FolderWalk::entryFound(const dirent64* entry) {
    const char* name = entry->d_name;
    if (dotOrDotDot(name)) return;
    // Nothing could open a path longer than the system's limit. The record's
    // size bounds the name's length; the name is measured only near the limit.
    const std::size_t atMost = entry->d_reclen - offsetof(dirent64, d_name) - 1;
    if (path_.size() + atMost >= PATH_MAX && path_.size() + std::strlen(name) >= PATH_MAX) return;
    // A mount point to walk last is not even looked at now: its file system may
    // not answer. (A task of one such mount point enters it.)
    if (walkLast_ && !(task_->mountPoint && frames_.size() == 1) &&
        walkedLast(name, std::strlen(name))) {
        putOff(entry);
        return;
    }
    unsigned char type = entry->d_type;
    if (type == DT_UNKNOWN || !setup_.useListedTypes) {
        struct stat st;
        if (statusAt(currentFd(), name, st) != 0) return;
        type = typeOf(st.st_mode);
    }
    switch (type) {
        case DT_REG:
        case DT_LNK:
            match(name);
            return;
        case DT_DIR:
            directoryFound(name, std::strlen(name));
            return;
        default:
            return;
    }
}

bool FolderWalk::walkedLast(const char* name, std::size_t length) const {
    for (const std::string& mount : *walkLast_)
        if (mount.size() == path_.size() + length + 1 &&
            mount.compare(0, path_.size(), path_) == 0 &&
            mount.compare(path_.size(), length, name, length) == 0)
            return true;
    return false;
}

void FolderWalk::putOff(const dirent64* entry) {
    WalkTask task;
    task.root = task_->root;
    task.dir = path_;
    task.folder = frames_.back().folder;
    task.continued = true;
    task.mountPoint = true;
    task.walkLast = task_->walkLast;
    const char* record = reinterpret_cast<const char*>(entry);
    task.listing.assign(record, record + entry->d_reclen);
    // Walked later, listed here.
    task_->output.steps.push_back({WalkStep::Kind::Handed, 0, pool_->putOff(std::move(task)), {}});
}

void FolderWalk::directoryFound(const char* name, std::size_t length) {
    struct stat st;
    bool known = false;
    // Entered only when at least a one-letter name inside fits the path limit.
    if (setup_.recursive && path_.size() + length + 2 < PATH_MAX) {
        const int parent = currentFd();
        makeRoom();
        const int sub = openSubfolder(parent, name);
        if (sub >= 0) {
            try {
                known = statusOf(sub, st, name) == 0;
            } catch (const Abandoned&) {
                source_.close(sub);
                throw;
            }
            if (known && !readOnly(st.st_mode)) {
                enter(sub, name, length, {st.st_dev, st.st_ino});
                return;
            }
            closeFolder(sub);
        }
    }
    // Not entered: a read-only folder counts like a file.
    if (!matchesAny(name)) return;
    if (!known) known = statusAt(currentFd(), name, st) == 0 && S_ISDIR(st.st_mode);
    if (known && readOnly(st.st_mode)) match(name);
}

int FolderWalk::openSubfolder(int parent, const char* name) {
    constexpr int kFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    // Without updating access times: the walk writes nothing to the disk. Only
    // the owner may ask for that; after some refusals the walk stops asking.
    if (refusedNoAtime_ < kNoAtimeRefusals) {
        const int fd = openAt(parent, name, kFlags | O_NOATIME, name);
        if (fd >= 0 || errno != EPERM) return fd;
        ++refusedNoAtime_;
    }
    return openAt(parent, name, kFlags, name);
}

void FolderWalk::enter(int fd, const char* name, std::size_t length, FolderId folder) {
    // The listing is read before the folder is looked up among those walked, so
    // that its place there is in the cache by then. (`name` lies in the arena,
    // which reading may move: it is taken first.)
    visited_.prefetch(folder);
    const std::size_t parentLength = path_.size();
    path_.append(name, length);
    path_ += '/';
    const std::size_t start = top_;
    try {
        readListing(fd);
    } catch (const Abandoned&) {
        source_.close(fd);
        throw;
    }
    if (!visited_.insert(folder)) {
        top_ = start;
        recordSkip(folder);
        closeFolder(fd);
        path_.resize(parentLength);
        return;
    }
    ++open_;
    if (slot_) slot_->folderEntered();
    pushFrame(fd, start, recordEnter(folder), folder);
}

void FolderWalk::pushFrame(int fd, std::size_t start, std::size_t enterStep, FolderId folder) {
    frames_.push_back({fd, path_.size(), start, start, top_, start, enterStep, folder});
    task_->output.open.emplace_back();
    canGive_ = true;
}

std::size_t FolderWalk::recordEnter(FolderId folder) {
    if (!recordFolders_) return kNoStep;
    task_->output.steps.push_back({WalkStep::Kind::Enter, 0, 0, folder});
    return task_->output.steps.size() - 1;
}

void FolderWalk::recordSkip(FolderId folder) {
    if (!recordFolders_) return;
    WalkOutput& output = task_->output;
    output.texts.push_back(path_);
    output.steps.push_back(
        {WalkStep::Kind::Skip, static_cast<std::uint32_t>(output.texts.size() - 1), 0, folder});
}

void FolderWalk::readListing(int fd) {
    for (;;) {
        const std::size_t needed = (top_ + kListingChunk) / sizeof(std::uint64_t);
        if (arena_.size() < needed) arena_.resize(std::max(needed, 2 * arena_.size()));
        const ssize_t size = listOf(fd, arenaAt(top_), kListingChunk);
        if (size <= 0) return;
        top_ += static_cast<std::size_t>(size);
    }
}

void FolderWalk::leave() {
    Frame& frame = frames_.back();
    if (frame.fd >= 0) {
        const int fd = frame.fd;
        frame.fd = -1;
        --open_;
        closeFolder(fd);
    }
    WalkOutput& output = task_->output;
    // Given later, the part handed over last comes first in the listing.
    const std::vector<std::size_t>& handed = output.open.back();
    for (auto task = handed.rbegin(); task != handed.rend(); ++task)
        output.steps.push_back({WalkStep::Kind::Handed, 0, *task, {}});
    output.open.pop_back();
    if (frame.enterStep != kNoStep) output.steps[frame.enterStep].value = output.steps.size();
    top_ = frame.start;
    frames_.pop_back();
    if (!frames_.empty()) path_.resize(frames_.back().pathLength);
}

int FolderWalk::currentFd() {
    Frame& frame = frames_.back();
    if (frame.fd >= 0) return frame.fd;
    // The task's own folder stays open, so some ancestor is.
    std::size_t ancestor = frames_.size() - 1;
    while (frames_[--ancestor].fd < 0) {
    }
    makeRoom();
    const Frame& open = frames_[ancestor];
    const std::string relative = path_.substr(open.pathLength);
    FolderId found;
    frame.fd = openFolder(open.fd, relative.c_str(), nullptr, frame.folder, found);
    if (frame.fd >= 0)
        ++open_;
    else
        frame.next = frame.end;  // gone or replaced: the rest of it is not walked
    return frame.fd;
}

void FolderWalk::makeRoom() {
    if (open_ < budget_) return;
    // The shallowest open folder between the task's own and the current one.
    for (std::size_t i = 1; i + 1 < frames_.size(); ++i) {
        if (frames_[i].fd >= 0) {
            const int fd = frames_[i].fd;
            frames_[i].fd = -1;
            --open_;
            closeFolder(fd);
            return;
        }
    }
}

bool FolderWalk::folderAt(std::size_t offset) {
    const dirent64* entry = recordAt(arenaAt(offset));
    return (entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN) && !dotOrDotDot(entry->d_name);
}

void FolderWalk::giveAway() {
    // Listings only shrink until a folder is entered: once nothing was found to
    // give, nothing is until then.
    if (!canGive_) return;
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        Frame& frame = frames_[i];
        // The first folder still to do in this listing (records before `scan`
        // are known to hold none).
        std::size_t at = std::max(frame.next, frame.scan);
        while (at < frame.end && !folderAt(at)) at += recordAt(arenaAt(at))->d_reclen;
        frame.scan = at;
        if (at == frame.end) continue;
        std::vector<std::size_t> folders;
        for (; at < frame.end; at += recordAt(arenaAt(at))->d_reclen)
            if (folderAt(at)) folders.push_back(at);
        // The later half of them, with whatever else follows in the listing.
        const std::size_t split = folders[folders.size() / 2];
        WalkTask task;
        task.root = task_->root;
        task.dir = path_.substr(0, frame.pathLength);
        task.folder = frame.folder;
        task.continued = true;
        task.walkLast = task_->walkLast;
        task.listing.assign(arenaAt(split), arenaAt(frame.end));
        if (const auto number = pool_->give(std::move(task))) {
            frame.end = split;
            task_->output.open[i].push_back(*number);
        }
        return;
    }
    canGive_ = false;
}

bool FolderWalk::matchesAny(const char* name) const {
    const std::string_view entry(name);
    for (const RootMask& mask : *masks_)
        if (mask.mask.matches(entry)) return true;
    return false;
}

void FolderWalk::match(const char* name) {
    const std::string_view entry(name);
    WalkOutput& output = task_->output;
    for (const RootMask& mask : *masks_) {
        if (!mask.mask.matches(entry)) continue;
        if (mask.counted && slot_) slot_->counted();
        output.texts.push_back(path_ + name);
        output.steps.push_back({WalkStep::Kind::Match,
                                static_cast<std::uint32_t>(output.texts.size() - 1),
                                mask.list,
                                {}});
    }
}

}  // namespace brisko
