// One thread's depth-first walk of a task, in listing order, without recursion.
//
// Each folder's listing is read whole when the folder is entered and kept on one
// stack of listings, so memory follows the folders on the current path and not
// the depth times a buffer. At most `openBudget` folders stay open: when the walk
// goes deeper, the shallowest open folder (other than the task's own) is closed,
// and reopened through its nearest open ancestor when the walk comes back to it.
// An entry whose full path would be longer than PATH_MAX is passed over.
#pragma once

#include <dirent.h>

#include <cstddef>
#include <string>
#include <vector>

#include "discovery/visited_folders.h"
#include "discovery/walk_task.h"

namespace brisko {

class WalkPool;

class FolderWalk {
  public:
    // With a pool, the walk gives part of its work to threads that wait for some.
    FolderWalk(const WalkSetup& setup, VisitedFolders& visited, WalkPool* pool,
               std::size_t openBudget);
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
        std::vector<std::size_t> handed;  // tasks given the tail of its listing, in order
    };
    static constexpr std::size_t kNoStep = static_cast<std::size_t>(-1);
    static constexpr int kNoAtimeRefusals = 64;

    bool start(WalkTask& task);
    void closeAll();
    void entryFound(const dirent64* entry);
    void directoryFound(const char* name, std::size_t length);
    int openSubfolder(int parent, const char* name);
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
    bool matchesAny(const char* name) const;
    void match(const char* name);
    char* arenaAt(std::size_t offset) { return reinterpret_cast<char*>(arena_.data()) + offset; }

    const WalkSetup& setup_;
    VisitedFolders& visited_;
    WalkPool* pool_;
    std::size_t budget_;
    // Folders entered and passed over are written out only when other threads
    // share the walk (to settle which place of a folder met twice comes first).
    bool recordFolders_;
    std::size_t open_ = 0;
    int refusedNoAtime_ = 0;
    bool canGive_ = true;  // false once nothing to give was found, until a folder is entered
    WalkTask* task_ = nullptr;
    const std::vector<RootMask>* masks_ = nullptr;
    std::string path_;
    std::vector<Frame> frames_;
    std::vector<std::uint64_t> arena_;  // the listings of the frames, one after another
    std::size_t top_ = 0;               // bytes of the arena in use
};

}  // namespace brisko
