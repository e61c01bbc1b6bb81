// The folders one search has walked, so that a folder reached again (through a
// bind mount, or a disk mounted both as its own drive and inside another) is not
// walked twice.
#pragma once

#include <sys/types.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <mutex>
#include <unordered_set>

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
    // Records the folder; false when it was recorded before.
    bool insert(FolderId folder);
    // Whether some folder was offered again after it had been recorded.
    bool metTwice() const { return metTwice_.load(std::memory_order_relaxed); }

  private:
    struct Hash {
        std::size_t operator()(const FolderId& folder) const noexcept;
    };
    struct alignas(64) Shard {
        std::mutex mutex;
        std::unordered_set<FolderId, Hash> folders;
    };
    static constexpr std::size_t kShards = 16;
    std::array<Shard, kShards> shards_;
    std::atomic<bool> metTwice_{false};
};

}  // namespace brisko
