// One thread of a search: it does tasks until the search has ended or was
// stopped, by the entry rules of search_directory.h. A folder is opened, listed
// whole and looked through within one task; afterwards the thread keeps a few of
// the last folders that hold sub-folders open (its share of kMaxOpenFolders), to
// open their sub-folders from them rather than by their whole path. Every call
// that may wait on a file system is made known in the thread's record, so that
// the search can be followed and stopped meanwhile.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "discovery/search_state.h"

namespace brisko {

class FolderWalker {
  public:
    FolderWalker(SearchState& search, std::size_t thread);
    void run();

  private:
    // A folder's descriptor, closed or kept when the visit of the folder ends.
    struct OpenFolder {
        FolderWalker& walker;
        int fd;
        const FolderVisit& visit;
        bool keep = false;  // it holds sub-folders to open from it
        ~OpenFolder();
    };
    struct Kept {
        const WalkPlace* place;
        int fd;
        std::size_t pathLength;
    };

    void visit(const FolderVisit& task);
    void visit(const PathLookup& task);
    // Entry `index` of the listing of `folder`, at `at` from `dir`.
    void look(int dir, const char* at, std::string_view name, unsigned char type,
              const FolderVisit& folder, std::uint32_t index);
    bool keeps(Check check, int dir, const char* at, unsigned char type, const std::string& path);
    // Whether `check` holds for what `path` names, its links followed.
    bool holds(Check check, int dir, const char* at, const std::string& path);
    int open(const FolderVisit& task);
    // Reads the folder's listing whole into `listing_`; its size.
    std::size_t list(int fd, const std::string& path);
    void findMountsInside(SearchState::Root& root, int fd, const std::string& path);

    // Runs `call`, made known as a call on `path`. Keeps errno.
    template <typename Call>
    auto call(const std::string& path, Call call) {
        thread_.callStarts(path);
        const auto result = call();
        const int error = errno;
        thread_.callEnded();
        if (search_.queue.stopped()) search_.answered(thread_);
        errno = error;
        return result;
    }

    SearchState& search_;
    SearchState::Thread& thread_;
    FolderSource& source_;
    std::deque<WalkTask> stack_;
    std::vector<SearchState::Match> found_;  // by the task under way
    std::vector<char> listing_;
    std::string named_;  // the path a folder is opened by
    int noAtimeRefusals_ = 0;
    std::vector<Kept> kept_;  // the last used first
    std::size_t keep_;
};

}  // namespace brisko
