// What one walking thread shares with the thread that follows its search: how
// far it has come, and whether it is between calls, inside a call that may wait
// on a file system, or idle. The follower never waits for a call to return: it
// can read the folder a call waits on, and stop the walker, which then drops
// what the call returns and touches nothing of the search again.
#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

namespace brisko {

// Thrown inside a walker whose search was stopped: it ends without another word.
struct Abandoned {};

class alignas(64) WalkerSlot {
  public:
    enum State : int {
        Working,     // between calls: writes what it finds
        InCall,      // inside a call
        Idle,        // waiting for work, or not started
        Inspecting,  // the follower reads the folder of its call
        Claimed,     // stopped: touches nothing of the search again
        Exited,      // done with the walk
    };

    // The walker's side.
    // Before a call that may wait: it waits on `folder` plus `name` (none for the folder itself).
    void callStarts(const std::string* folder, const char* name);
    // After the call; false when the search was stopped meanwhile.
    [[nodiscard]] bool callEnded() { return resume(InCall); }
    // Between tasks.
    void idle() { state_.store(Idle, std::memory_order_release); }
    // From idle to work; false when the search was stopped meanwhile.
    [[nodiscard]] bool work() { return resume(Idle); }
    // Gives up the walk on noticing that the search was stopped.
    void abandon() { state_.store(Claimed, std::memory_order_release); }
    void exit() { state_.store(Exited, std::memory_order_release); }
    void folderEntered() { bump(folders_); }
    void counted() { bump(found_); }

    // The follower's side.
    State state() const { return static_cast<State>(state_.load(std::memory_order_acquire)); }
    std::uint64_t calls() const { return calls_.load(std::memory_order_relaxed); }
    std::uint64_t folders() const { return folders_.load(std::memory_order_relaxed); }
    std::uint64_t found() const { return found_.load(std::memory_order_relaxed); }
    // The path the walker's call waits on, if it is inside one.
    std::optional<std::string> waitsOn();
    // Stops the walker: waits while it works between calls (a few microseconds),
    // never for a call to return.
    void claim();

  private:
    bool resume(State from);
    static void bump(std::atomic<std::uint64_t>& count) {
        count.store(count.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    }

    std::atomic<int> state_{Idle};
    std::atomic<std::uint64_t> calls_{0};
    std::atomic<std::uint64_t> folders_{0};
    std::atomic<std::uint64_t> found_{0};
    // Written by the walker before a call, read by the follower during it.
    const std::string* folder_ = nullptr;
    const char* name_ = nullptr;
};

}  // namespace brisko
