// Which place of one search walks each folder (a folder is met again through a
// bind mount, or a disk mounted twice): the one a walk by one thread meets first.
// Threads claim folders in any order; a claim from earlier in the walk takes the
// folder over from a later one, whose walk then counts for nothing.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <cstddef>
#include <mutex>
#include <vector>

#include "discovery/walk_place.h"

namespace brisko {

// A folder as the system knows it, whatever path it was reached by.
struct FolderId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FolderId&) const = default;
};

// Safe to use from several threads at once.
class FolderClaims {
  public:
    // Whether the folder is to be walked at `place`: no place claimed it before,
    // or only later ones, whose walks are then marked lost.
    bool claim(FolderId folder, const WalkPlace& place);
    // Starts loading the folder's slot into the processor's cache, so that a claim
    // some work later does not wait for memory.
    void prefetch(FolderId folder) const;

  private:
    // Open addressing with linear probing, all zeros when free: a walk meets a
    // folder every few microseconds, at a random slot.
    struct Slot {
        FolderId folder;
        const WalkPlace* place;  // none: free
    };
    Slot& slotOf(FolderId folder);

    std::mutex mutex_;
    std::vector<Slot> slots_ = std::vector<Slot>(1 << 16);  // a power of two
    std::size_t used_ = 0;
    // The table as prefetch() reads it without the lock (a stale one only loads a
    // useless line).
    std::atomic<const Slot*> published_{slots_.data()};
    std::atomic<std::size_t> publishedMask_{slots_.size() - 1};
};

}  // namespace brisko
