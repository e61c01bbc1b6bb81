// One search of several roots, run on threads of its own, which the caller can follow
// while it runs and stop at any moment, keeping what was found so far. A walk lists a
// regular file or a symbolic link when its name matches and never enters it; it enters
// a folder, except a read-only one (no write permission for anyone), which it lists as a
// file; it leaves out sockets, FIFOs and devices, folders it cannot read, and entries
// whose path would pass the system's limit. A folder met a second time (a bind mount, a
// disk mounted twice) is walked where a walk by one thread meets it first; network and
// FUSE mounts inside a root are walked after the rest of it. What is found comes out in
// the order of a walk by one thread, depth first in listing order, whatever the number
// of threads. The caller never waits on a file system: a thread whose call waits on a
// folder that does not answer is left behind when the search is stopped, and ends by
// itself if the folder ever answers.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/paths.h"

namespace brisko {

class FolderSource;
struct SearchState;

// What a found entry must be to be kept: Listed, a walk's own rule (for a path looked
// up, that it exists); the others follow links (Folder: a walk's folders, entered or not).
enum class Check : std::uint8_t { Listed, File, Executable, Folder };

// Names looked for, each a whole name in any case of the letters A-Z; what is
// found is appended to `into` by FolderSearch::finish(), in walk order.
struct Target {
    std::vector<std::string> names;
    Check check = Check::Listed;
    std::vector<std::string>* into = nullptr;
    bool counted = false;  // its matches count as found in the progress
    // A program to start: only a regular file (its link followed) that passes the
    // check, and that no other user may change, nor the folder it is found in (see
    // posix::OnlyOwnerMayChange); beginning with these bytes, when given.
    bool program = false;
    std::string_view beginsWith = {};
};

// Where a root looks ("drive C: (/home/ann)", "PATH") and for what ("config
// files", "the game"), in the player's words.
struct SearchPlace {
    std::string where, sought;
};

// A place one search looks in.
struct SearchRoot {
    enum class Kind : std::uint8_t { Walk, Listing, Lookup };
    // Every entry below `folder`, to any depth; the entries of `folder` itself; each
    // path as given (exact case) that passes `check`, in the order given.
    static SearchRoot walk(std::string folder, std::vector<Target> targets,
                           SearchPlace place = {}) {
        return {Kind::Walk, folderPaths(std::move(folder)), std::move(targets), std::move(place)};
    }
    static SearchRoot listing(std::string folder, std::vector<Target> targets,
                              SearchPlace place = {}) {
        return {Kind::Listing, folderPaths(std::move(folder)), std::move(targets),
                std::move(place)};
    }
    static SearchRoot lookup(std::vector<std::string> paths, Target target,
                             SearchPlace place = {}) {
        return {Kind::Lookup, std::move(paths), {std::move(target)}, std::move(place)};
    }
    static std::vector<std::string> folderPaths(std::string folder) {
        if (folder.empty()) return {};
        if (folder.back() != '/') folder += '/';
        return {std::move(folder)};
    }
    Kind kind;
    // The folder with its trailing '/' (none for an empty one), or the paths.
    std::vector<std::string> paths;
    std::vector<Target> targets;  // a lookup's is one, without names
    SearchPlace place;
};

// The mount points that stopped searches were left waiting in, so that later searches
// given them neither enter them nor make any call there. Copies share one table.
class UnansweredMounts {
  public:
    void add(const std::string& mountPoint) {
        const std::lock_guard lock(table_->mutex);
        table_->mounts.insert(WithoutTrailingSlash(mountPoint));
    }
    // Takes back one add of `mountPoint`: the call that waited there answered.
    void remove(const std::string& mountPoint) {
        const std::lock_guard lock(table_->mutex);
        const auto at = table_->mounts.find(WithoutTrailingSlash(mountPoint));
        if (at != table_->mounts.end()) table_->mounts.erase(at);
    }
    // Whether `path` is one of the mount points or lies inside one.
    bool holds(const std::string& path) const {
        const std::string inside = WithoutTrailingSlash(path) + '/';
        const std::lock_guard lock(table_->mutex);
        return std::any_of(table_->mounts.begin(), table_->mounts.end(), [&](auto& mount) {
            return inside.starts_with(mount == "/" ? mount : mount + '/');
        });
    }
    // The mount points, without their trailing '/'.
    std::vector<std::string> mountPoints() const {
        const std::lock_guard lock(table_->mutex);
        return {table_->mounts.begin(), table_->mounts.end()};
    }

  private:
    struct Table {
        mutable std::mutex mutex;
        std::multiset<std::string> mounts;  // once per add
    };
    std::shared_ptr<Table> table_ = std::make_shared<Table>();
};

struct SearchOptions {
    unsigned threads = 0;  // 0 for the program's own choice (16)
    // The calls that read folders (none: the system's), made until the search has
    // finished, or after a stop until each thread has ended.
    FolderSource* source = nullptr;
    std::vector<std::string> remoteMounts = {};  // of network and FUSE file systems
    UnansweredMounts* unanswered = nullptr;      // where earlier searches waited: passed over
};

class FolderSearch {
  public:
    using Clock = std::chrono::steady_clock;
    // How long a call waits before the search names its folder.
    static constexpr Clock::duration kWaitNamed = std::chrono::milliseconds(1500);

    struct Progress {
        SearchPlace place;          // of the first root not searched to its end (or the last)
        std::uint64_t folders = 0;  // folders searched so far
        std::uint64_t found = 0;    // paths found so far by the counted targets
        std::string waitingFor;     // a folder a call has waited on kWaitNamed or more; or none
    };

    explicit FolderSearch(std::vector<SearchRoot> roots, SearchOptions options = {});
    ~FolderSearch() { stop(); }
    FolderSearch(const FolderSearch&) = delete;
    FolderSearch& operator=(const FolderSearch&) = delete;

    bool finished() const;  // by itself
    // Ends the search at once, unless it has finished. Each call still waiting in a
    // network or FUSE mount (of the options' remote mounts) adds that mount to the
    // options' unanswered mounts, until the call answers; a call elsewhere adds
    // nothing, so that later searches still walk its folder.
    void stop();
    bool stopped() const { return stopped_; }
    // How far the search has come at `now`, on the caller's clock.
    Progress progress(Clock::time_point now);
    // Once: waits unless stopped, then appends each path found (after a stop, so
    // far) to its target's list. Raises what a walk raised.
    void finish();

  private:
    struct Seen {
        std::uint64_t calls = 0;
        Clock::time_point since;
    };
    std::shared_ptr<SearchState> state_;
    std::vector<Seen> seen_;  // per thread, as progress() last saw it
    bool stopped_ = false;
};

}  // namespace brisko
