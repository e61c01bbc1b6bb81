// Puts what the tasks of a search found into its lists, in the order of a walk by
// one thread: each task's steps in turn, a handed-over task's steps where its
// mark stands.
#pragma once

#include <string>
#include <vector>

#include "discovery/visited_folders.h"
#include "discovery/walk_pool.h"
#include "discovery/walk_task.h"

namespace brisko {

class WalkCollector {
  public:
    enum class Mode {
        // Every task ran to its end. When a folder was met twice, which place of it
        // comes first is settled here, in walk order: an entered folder seen
        // before is dropped with all it holds, and a folder passed over whose
        // first place was dropped, or lay further on, is walked now.
        Whole,
        // The search was stopped: tasks may have ended midway (their open
        // folders' handed-over tasks follow their steps) or not have started.
        // Nothing is walked again.
        Stopped,
    };

    WalkCollector(const WalkSetup& setup, WalkPool& pool,
                  std::vector<std::vector<std::string>*> lists, Mode mode, bool metTwice);

    // Appends the paths of `root` and the tasks handed over from it. Reads the
    // tasks without changing them.
    void collect(const WalkTask& root);

  private:
    void walkAgain(const WalkTask& from, const std::string& dir, FolderId folder);

    const WalkSetup& setup_;
    WalkPool& pool_;
    std::vector<std::vector<std::string>*> lists_;
    bool settle_;
    VisitedFolders seen_{false};
};

}  // namespace brisko
