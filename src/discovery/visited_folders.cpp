#include "discovery/visited_folders.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace brisko {

namespace {

// Tables from this size on sit on huge pages where the system offers them: a
// walk touches its slots at random, one per folder, and small pages would cost a
// miss of the address cache each time.
constexpr std::size_t kHugePage = 2 * 1024 * 1024;
// One huge page: room for 65,536 folders before the first rehash (a home of
// many folders would otherwise pay for several); the system fills it with zeros
// only when it is touched.
constexpr std::size_t kFirstSize = kHugePage / sizeof(FolderId);

std::size_t hashOf(const FolderId& folder) {
    const std::uint64_t mixed = (static_cast<std::uint64_t>(folder.inode) ^
                                 (static_cast<std::uint64_t>(folder.device) << 40)) *
                                0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(mixed ^ (mixed >> 31));
}

}  // namespace

VisitedFolders::~VisitedFolders() {
    release(table_);
}

VisitedFolders::Table VisitedFolders::allocate(std::size_t size) {
    Table table;
    const std::size_t bytes = size * sizeof(FolderId);
    const bool huge = bytes >= kHugePage;
    table.mappedBytes = huge ? bytes + kHugePage : bytes;
    table.mapping = ::mmap(nullptr, table.mappedBytes, PROT_READ | PROT_WRITE,
                           MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (table.mapping == MAP_FAILED) throw std::bad_alloc();
    auto start = reinterpret_cast<std::uintptr_t>(table.mapping);
    if (huge) {
        start = (start + kHugePage - 1) & ~(kHugePage - 1);
        ::madvise(reinterpret_cast<void*>(start), bytes, MADV_HUGEPAGE);
    }
    table.slots = reinterpret_cast<FolderId*>(start);  // zeroed: every slot free
    table.size = size;
    return table;
}

void VisitedFolders::release(const Table& table) {
    if (table.mapping) ::munmap(table.mapping, table.mappedBytes);
}

bool VisitedFolders::insertLocked(FolderId folder, std::size_t hash) {
    if (2 * (used_ + 1) > table_.size) {
        const Table old = table_;
        table_ = allocate(old.size == 0 ? kFirstSize : 2 * old.size);
        used_ = 0;
        for (std::size_t i = 0; i < old.size; ++i)
            if (old.slots[i].inode != 0) insertLocked(old.slots[i], hashOf(old.slots[i]));
        // A prefetch may still read the old pointer: prefetching unmapped memory is harmless.
        published_.store(table_.slots, std::memory_order_relaxed);
        publishedMask_.store(table_.size - 1, std::memory_order_relaxed);
        release(old);
    }
    const std::size_t mask = table_.size - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        FolderId& slot = table_.slots[at];
        if (slot == folder) return false;
        if (slot.inode == 0) {
            slot = folder;
            ++used_;
            return true;
        }
    }
}

void VisitedFolders::prefetch(FolderId folder) const {
    // A stale pointer or mask (the table grew meanwhile) only loads a useless line.
    if (const FolderId* slots = published_.load(std::memory_order_relaxed))
        __builtin_prefetch(slots +
                           (hashOf(folder) & publishedMask_.load(std::memory_order_relaxed)));
}

bool VisitedFolders::insert(FolderId folder) {
    if (folder.inode == 0) return true;  // not a real folder: nothing to remember
    const std::size_t hash = hashOf(folder);
    bool inserted = false;
    {
        std::unique_lock lock(mutex_, std::defer_lock);
        if (shared_) lock.lock();
        inserted = insertLocked(folder, hash);
    }
    if (!inserted) metTwice_.store(true, std::memory_order_relaxed);
    return inserted;
}

}  // namespace brisko
