#include "discovery/folder_claims.h"

#include <cstdint>

namespace brisko {

namespace {

std::size_t hashOf(FolderId folder) {
    const std::uint64_t mixed =
        (folder.inode ^ (std::uint64_t{folder.device} << 40)) * 0x9E3779B97F4A7C15ull;
    return mixed ^ (mixed >> 31);
}

}  // namespace

FolderClaims::Slot& FolderClaims::slotOf(FolderId folder) {
    for (std::size_t at = hashOf(folder);; ++at) {
        Slot& slot = slots_[at & (slots_.size() - 1)];
        if (!slot.place || slot.folder == folder) return slot;
    }
}

void FolderClaims::prefetch(FolderId folder) const {
    const Slot* slots = published_.load(std::memory_order_relaxed);
    __builtin_prefetch(slots + (hashOf(folder) & publishedMask_.load(std::memory_order_relaxed)));
}

bool FolderClaims::claim(FolderId folder, const WalkPlace& place) {
    const std::lock_guard lock(mutex_);
    if (2 * (used_ + 1) > slots_.size()) {
        std::vector<Slot> old(2 * slots_.size());
        old.swap(slots_);
        for (const Slot& slot : old)
            if (slot.place) slotOf(slot.folder) = slot;
        published_.store(slots_.data(), std::memory_order_relaxed);
        publishedMask_.store(slots_.size() - 1, std::memory_order_relaxed);
    }
    Slot& slot = slotOf(folder);
    if (!slot.place) {
        slot = {folder, &place};
        ++used_;
        return true;
    }
    if (!EarlierInWalk(place, *slot.place)) return false;
    slot.place->lost.store(true, std::memory_order_relaxed);
    slot.place = &place;
    return true;
}

}  // namespace brisko
