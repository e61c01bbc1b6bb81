#include "discovery/walker_slot.h"

#include <thread>

#include "platform/posix/paths.h"

namespace brisko {

void WalkerSlot::callStarts(const std::string* folder, const char* name) {
    folder_ = folder;
    name_ = name;
    bump(calls_);
    state_.store(InCall, std::memory_order_release);
}

bool WalkerSlot::resume(State from) {
    for (;;) {
        int expected = from;
        // Acquire either way: claimed, the walker must see the claimer's last
        // reads of its folder done before it lets go of anything.
        if (state_.compare_exchange_weak(expected, Working, std::memory_order_acquire)) return true;
        if (expected == Claimed) return false;
        if (expected == Inspecting) std::this_thread::yield();
    }
}

std::optional<std::string> WalkerSlot::waitsOn() {
    int expected = InCall;
    if (!state_.compare_exchange_strong(expected, Inspecting, std::memory_order_acquire))
        return std::nullopt;
    std::string path = *folder_;
    if (name_) path += name_;
    state_.store(InCall, std::memory_order_release);
    return WithoutTrailingSlash(path);
}

void WalkerSlot::claim() {
    for (;;) {
        int state = state_.load(std::memory_order_acquire);
        if (state == Claimed || state == Exited) return;
        if ((state == InCall || state == Idle) &&
            state_.compare_exchange_weak(state, Claimed, std::memory_order_acq_rel))
            return;
        std::this_thread::yield();  // working between calls, or being inspected
    }
}

}  // namespace brisko
