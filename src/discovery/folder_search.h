// One search of several roots, run on threads of its own, which the caller can
// follow while it runs and stop at any moment, keeping what was found so far.
//
// How a walk counts entries: a regular file or a symbolic link is listed when its
// name matches and never entered; a folder is entered; a read-only folder (no
// write permission for anyone) is not entered and is listed as a file is;
// sockets, FIFOs and devices are left out. Names beginning with a dot are ordinary
// names. Folders that cannot be opened or read are passed over without a word, and
// so is an entry whose path would be longer than the system's path limit. A folder
// met a second time (the same device and inode, through a bind mount or a disk
// mounted twice) is walked where a walk by one thread meets it first.
//
// The caller never waits on a file system: a thread whose call waits on a folder
// that does not answer (a network or FUSE mount whose server has gone) is left
// behind when the search is stopped, and ends by itself if the folder ever
// answers. Inside each root, the mount points of network and FUSE file systems
// are walked after everything else, and what they hold is listed where they were
// met. What the search finds comes out in the order of a walk by one thread,
// depth first in listing order, whatever the number of threads.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

namespace brisko {

class FolderSource;
struct SearchState;

// What a found entry must be to be kept.
enum class Check : std::uint8_t {
    // A walk's own rule (a regular file, a symbolic link, a read-only folder); for
    // a path looked up: that the path exists.
    Listed,
    // A regular file (a link followed).
    File,
    // A regular file (a link followed) that the user may execute.
    Executable,
    // A folder (a link followed); a walk keeps the folders it meets, entered or not.
    Folder,
};

// Names looked for, each a whole name in any case of the letters A-Z, and where
// the paths found go: appended to `into` by FolderSearch::finish(), in walk order.
struct Target {
    std::vector<std::string> names;
    Check check = Check::Listed;
    std::vector<std::string>* into = nullptr;
    bool counted = false;  // its matches count as found in the progress
};

// Where a root looks and for what, in the player's words.
struct SearchPlace {
    std::string where;   // "drive C: (/home/ann)", "PATH"
    std::string sought;  // "config files", "the game"
};

// A place one search looks in: a folder walked to any depth, the listing of one
// folder, or paths looked up one by one.
struct SearchRoot {
    enum class Kind : std::uint8_t { Walk, Listing, Lookup };

    // Every entry below `folder`, to any depth (the walk).
    static SearchRoot walk(std::string folder, std::vector<Target> targets, SearchPlace place = {});
    // The entries of `folder` itself, not below.
    static SearchRoot listing(std::string folder, std::vector<Target> targets,
                              SearchPlace place = {});
    // Each path as given (exact case) that passes `check`, in the order given.
    static SearchRoot lookup(std::vector<std::string> paths, Check check,
                             std::vector<std::string>* into, SearchPlace place = {});

    Kind kind;
    // A walk's or listing's folder with its trailing '/' (none for an empty one),
    // or the paths looked up.
    std::vector<std::string> paths;
    std::vector<Target> targets;  // a lookup's is one, without names
    SearchPlace place;
};

// The mount points that stopped searches were left waiting in, so that later
// searches given them neither enter them nor make any call there. Copies share
// one table; safe to use from several threads at once.
class UnansweredMounts {
  public:
    void add(std::string mountPoint);
    // Takes back one add of `mountPoint`: the call that waited there answered.
    void remove(const std::string& mountPoint);
    // Whether `path` is one of the mount points or lies inside one.
    bool holds(const std::string& path) const;
    // The mount points, without their trailing '/'.
    std::vector<std::string> mountPoints() const;

  private:
    struct Table {
        mutable std::mutex mutex;
        std::multiset<std::string> mounts;  // once per add
    };
    std::shared_ptr<Table> table_ = std::make_shared<Table>();
};

struct SearchOptions {
    // The threads that walk: 0 for the program's own choice (16).
    unsigned threads = 0;
    // The calls that read folders: none for the system's.
    FolderSource* source = nullptr;
    // The mount points of network and FUSE file systems (Drives::remoteMounts()):
    // those inside a folder walked are walked after the rest of it.
    std::vector<std::string> remoteMounts = {};
    // Where earlier searches were left waiting: neither entered nor looked at.
    UnansweredMounts* unanswered = nullptr;
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
        // A folder (or entry) a call has waited on for kWaitNamed or longer,
        // without its trailing '/'; empty when none.
        std::string waitingFor;
    };

    // Starts the search.
    explicit FolderSearch(std::vector<SearchRoot> roots, SearchOptions options = {});
    // Stops a search still running.
    ~FolderSearch();
    FolderSearch(const FolderSearch&) = delete;
    FolderSearch& operator=(const FolderSearch&) = delete;

    // Whether the search has ended by itself.
    bool finished() const;
    // Ends the search at once, never waiting for a call; a search that has
    // finished stays as it is. Each call still waiting adds its folder's remote
    // mount (or the folder, when none holds it) to the options' unanswered mounts,
    // until the call answers.
    void stop();
    bool stopped() const { return stopped_; }

    // How far the search has come at `now`, the time on the caller's clock (a
    // folder waited on is named once the same call has lasted kWaitNamed by it).
    Progress progress(Clock::time_point now);

    // Once: waits unless stopped, then appends each path found to its target's
    // list, in the order of a walk by one thread (after a stop, what was found so
    // far). Raises what a walk raised.
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

// Lets the player follow a search while it runs and stop it.
class SearchFollower {
  public:
    virtual ~SearchFollower() = default;
    // Returns once `search` has finished by itself or the player has stopped it;
    // `foundLabel` names what its counted targets find ("Config files found").
    virtual void follow(FolderSearch& search, const std::string& foundLabel) = 0;
    // What this player's stopped searches learnt: later searches pass it in their
    // options.
    UnansweredMounts& unanswered() { return unanswered_; }

  private:
    UnansweredMounts unanswered_;
};

}  // namespace brisko
