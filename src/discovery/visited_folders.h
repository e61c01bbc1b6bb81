// The folders one search has walked, so that a folder reached again (through a
// bind mount, or a disk mounted both as its own drive and inside another) is not
// walked twice.
#pragma once

#include <sys/types.h>

#include <atomic>
#include <cstddef>
#include <mutex>

namespace brisko {

// A folder as the system knows it, whatever path it was reached by.
struct FolderId {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FolderId&) const = default;
};

// Safe to use from several threads at once.
class VisitedFolders {
  public:
    // Locks only when `shared` (by several threads).
    explicit VisitedFolders(bool shared) : shared_(shared) {}
    ~VisitedFolders();
    VisitedFolders(const VisitedFolders&) = delete;
    VisitedFolders& operator=(const VisitedFolders&) = delete;

    // Records the folder; false when it was recorded before.
    bool insert(FolderId folder);
    // Starts loading the folder's place into the processor's cache, so that an
    // insert some work later does not wait for memory.
    void prefetch(FolderId folder) const;
    // Whether some folder was offered again after it had been recorded.
    bool metTwice() const { return metTwice_.load(std::memory_order_relaxed); }

  private:
    // One table, open addressing with linear probing; an inode of 0 marks a free
    // slot, as no folder has it. A walk inserts a folder every few microseconds
    // per thread, so one lock is enough.
    struct Table {
        FolderId* slots = nullptr;
        std::size_t size = 0;  // a power of two
        void* mapping = nullptr;
        std::size_t mappedBytes = 0;
    };
    static Table allocate(std::size_t size);
    static void release(const Table& table);
    bool insertLocked(FolderId folder, std::size_t hash);

    bool shared_;
    std::mutex mutex_;
    Table table_;
    std::size_t used_ = 0;
    // The slots as prefetch() reads them without the lock.
    std::atomic<const FolderId*> published_{nullptr};
    std::atomic<std::size_t> publishedMask_{0};
    std::atomic<bool> metTwice_{false};
};

}  // namespace brisko
