// Where a folder stands in the order of a walk by one thread: the number of its
// search root, then its index in the listing of each folder on the way down.
// Whatever order threads find entries in, sorting them by their folder's place
// and their own index in its listing gives the order of that walk.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

namespace brisko {

struct WalkPlace {
    WalkPlace(const WalkPlace* parent, std::uint32_t index) : parent(parent), index(index) {}

    // The indices from the root's number down to this place.
    std::vector<std::uint32_t> indices() const {
        std::vector<std::uint32_t> indices;
        for (const WalkPlace* place = this; place; place = place->parent)
            indices.insert(indices.begin(), place->index);
        return indices;
    }
    // Whether the walk of this folder, or of one above it, lost the folder to a
    // place earlier in the walk: what it found there does not count.
    bool dropped() const {
        for (const WalkPlace* place = this; place; place = place->parent)
            if (place->lost.load(std::memory_order_relaxed)) return true;
        return false;
    }

    const WalkPlace* parent;  // the folder whose listing holds it; none for a root
    std::uint32_t index;      // its index in that listing; a root's number for a root
    mutable std::atomic<bool> lost{false};
};

// Whether `a` comes before `b` in the walk.
inline bool EarlierInWalk(const WalkPlace& a, const WalkPlace& b) {
    return a.indices() < b.indices();
}

}  // namespace brisko
