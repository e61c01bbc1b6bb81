// One thread's depth-first walk of a task, in listing order, without recursion.
//
// Each folder's listing is read whole when the folder is entered and kept on one
// stack of listings, so memory follows the folders on the current path and not
// the depth times a buffer. At most `openBudget` folders stay open: when the walk
// goes deeper, the shallowest open folder (other than the task's own) is closed,
// and reopened through its nearest open ancestor when the walk comes back to it.
// An entry whose full path would be longer than PATH_MAX is passed over.
//
// Every call that may wait on a file system is made known to the walker's slot,
// so that the search can be followed and stopped meanwhile; a walk whose search
// was stopped ends by throwing Abandoned, its output as far as it had come.
#pragma once

#include <dirent.h>

#include <cerrno>
#include <cstddef>
#include <string>
#include <vector>

#include "discovery/visited_folders.h"
#include "discovery/walk_task.h"
#include "discovery/walker_slot.h"

namespace brisko {

class WalkPool;

class FolderWalk {
  public:
    // With a pool, the walk puts off the mount points to walk last, and with
    // `share` gives part of its work to threads that wait for some. Without a
    // slot, no call is made known.
    FolderWalk(const WalkSetup& setup, VisitedFolders& visited, WalkPool* pool, bool share,
               std::size_t openBudget, WalkerSlot* slot);
    ~FolderWalk();
    FolderWalk(const FolderWalk&) = delete;
    FolderWalk& operator=(const FolderWalk&) = delete;

    // Walks the task, writing to its output.
    void run(WalkTask& task);

  private:
    struct Frame {
        int fd;                  // -1 while closed to stay within the budget
        std::size_t pathLength;  // of the folder's path, '/' included
        std::size_t start;       // its listing in the arena: from `start`,
        std::size_t next;        // the records still to do from `next`
        std::size_t end;         // to `end`
        std::size_t scan;        // no folder to give among the records before
        std::size_t enterStep;   // its Enter step (kNoStep for a continued folder)
        FolderId folder;
    };
    static constexpr std::size_t kNoStep = static_cast<std::size_t>(-1);
    static constexpr int kNoAtimeRefusals = 64;

    bool start(WalkTask& task);
    void closeAll();
    void entryFound(const dirent64* entry);
    void directoryFound(const char* name, std::size_t length);
    int openSubfolder(int parent, const char* name);
    int openFolder(int at, const char* path, const char* name,
                   const std::optional<FolderId>& expected, FolderId& found);
    void enter(int fd, const char* name, std::size_t length, FolderId folder);
    void leave();
    std::size_t recordEnter(FolderId folder);
    void recordSkip(FolderId folder);
    void readListing(int fd);
    int currentFd();
    void makeRoom();
    void pushFrame(int fd, std::size_t start, std::size_t enterStep, FolderId folder);
    bool folderAt(std::size_t offset);
    void giveAway();
    bool walkedLast(const char* name, std::size_t length) const;
    void putOff(const dirent64* entry);
    void readWalkLast(int fd);
    bool matchesAny(const char* name) const;
    void match(const char* name);
    char* arenaAt(std::size_t offset) { return reinterpret_cast<char*>(arena_.data()) + offset; }

    // The calls that may wait, on `path_` followed by `name` (none: `path_` itself).
    // Each throws Abandoned when the search was stopped while it waited.
    int openAt(int dir, const char* path, int flags, const char* name);
    int statusOf(int fd, struct stat& st, const char* name);
    int statusAt(int dir, const char* name, struct stat& st);
    ssize_t listOf(int fd, void* buffer, std::size_t size);
    void closeFolder(int fd);
    // Runs `call` announced in the walker's slot; when the search was stopped
    // meanwhile, gives its result to `drop` and throws Abandoned. Keeps errno.
    template <typename Call, typename Drop>
    auto announced(const char* name, Call call, Drop drop) {
        if (slot_) slot_->callStarts(&path_, name);
        const auto result = call();
        const int error = errno;
        if (slot_ && !slot_->callEnded()) {
            drop(result);
            throw Abandoned();
        }
        errno = error;
        return result;
    }
    template <typename Call>
    auto announced(const char* name, Call call) {
        return announced(name, call, [](const auto&) {});
    }

    const WalkSetup& setup_;
    FolderSource& source_;
    VisitedFolders& visited_;
    WalkPool* pool_;
    bool share_;
    std::size_t budget_;
    WalkerSlot* slot_;
    // Folders entered and passed over are written out only when other threads
    // share the walk or mount points are put off (to settle, when a folder was
    // met twice, which place of it comes first).
    bool recordFolders_ = false;
    std::size_t open_ = 0;
    int refusedNoAtime_ = 0;
    bool canGive_ = true;  // false once nothing to give was found, until a folder is entered
    WalkTask* task_ = nullptr;
    const std::vector<RootMask>* masks_ = nullptr;
    const std::vector<std::string>* walkLast_ = nullptr;  // of the task's root
    std::string path_;
    std::vector<Frame> frames_;
    std::vector<std::uint64_t> arena_;  // the listings of the frames, one after another
    std::size_t top_ = 0;               // bytes of the arena in use
};

}  // namespace brisko
