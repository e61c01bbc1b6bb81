// Files written whole before they get their name, then put in place in one step,
// so that a reader sees either the old or the complete new content.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace brisko::posix {

// What a new file takes over from the file it stands in for.
struct FileOwnership {
    mode_t mode;  // permission bits
    uid_t owner;
    gid_t group;
};

// A complete file in its final folder, not yet under its name. Where the file
// system allows it, the file has no name at all until it is put in place, so a
// save that is killed leaves nothing behind. Elsewhere it has a staged name made
// from its final one (".q3config.cfg.brisko-" and six letters or digits) and holds
// a lock on it while it lives, which tells it from one that a killed save left.
// It is removed again unless it is put in place.
class StagedFile {
  public:
    // Writes `content` to a new file in `folder` that is to become `name` there,
    // with the permission bits of `like` (and its owner and group where allowed),
    // flushed to disk. Nothing when it cannot be written whole.
    static std::optional<StagedFile> write(const std::string& folder, const std::string& name,
                                           const std::string& content, const FileOwnership& like);

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    ~StagedFile();

    // Puts the file in place of `target`, in one step.
    bool replace(const std::string& target);
    // Gives the file the name `target`, which is never replaced when it exists.
    bool publishNew(const std::string& target);

  private:
    StagedFile(int fd, std::string folder, std::string name, std::string path)
        : fd_(fd), folder_(std::move(folder)), name_(std::move(name)), path_(std::move(path)) {}
    bool nameStaged();

    int fd_;
    std::string folder_;
    std::string name_;  // the final name the staged name is made from
    std::string path_;  // the staged name's path; empty while the file has no name
};

// The path with every symbolic link resolved.
std::optional<std::string> ResolvedPath(const std::string& path);
// Whether anything (file, folder, link, even a dangling one) has this name.
bool EntryExists(const std::string& path);
// Removes from `folder` the staged files for `name` that saves killed before their
// end left: only regular files of this user under the staged name, and only when
// no save holds their lock (one being written is never touched).
void RemoveStaleStagedFiles(const std::string& folder, const std::string& name);
std::optional<FileOwnership> OwnershipOf(const std::string& path);
// Flushes a folder's entries to disk, so that a rename in it lasts.
void SyncFolder(const std::string& folder);

}  // namespace brisko::posix
