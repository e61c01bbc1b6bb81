#include "discovery/visited_folders.h"

#include <cstdint>

namespace brisko {

std::size_t VisitedFolders::Hash::operator()(const FolderId& folder) const noexcept {
    const std::uint64_t mixed = (static_cast<std::uint64_t>(folder.inode) ^
                                 (static_cast<std::uint64_t>(folder.device) << 40)) *
                                0x9E3779B97F4A7C15ull;
    return static_cast<std::size_t>(mixed ^ (mixed >> 29));
}

bool VisitedFolders::insert(FolderId folder) {
    const std::size_t hash = Hash{}(folder);
    Shard& shard = shards_[(hash >> 7) % kShards];
    bool inserted = false;
    {
        const std::lock_guard lock(shard.mutex);
        inserted = shard.folders.insert(folder).second;
    }
    if (!inserted) metTwice_.store(true, std::memory_order_relaxed);
    return inserted;
}

}  // namespace brisko
