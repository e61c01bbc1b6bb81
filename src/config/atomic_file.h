// Files written whole under a temporary name and then put in place in one step,
// so that a reader sees either the old or the complete new content.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

namespace brisko {

// What a new file takes over from the file it stands in for.
struct FileOwnership {
    mode_t mode;  // permission bits
    uid_t owner;
    gid_t group;
};

// A complete file under a temporary name in its final folder. It is removed
// again unless it is moved to its name.
class StagedFile {
  public:
    // Writes `content` to a new file in `folder` ("" for the working folder, else
    // ending in '/') with the permission bits of `like` (and its owner and group
    // where allowed), flushed to disk. Nothing when it cannot be written whole.
    static std::optional<StagedFile> write(const std::string& folder, const std::string& content,
                                           const FileOwnership& like);

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    ~StagedFile();

    // Renames the file over `target`, in one step.
    bool replace(const std::string& target);
    // Gives the file the name `target`, which is never replaced when it exists.
    bool publishNew(const std::string& target);

  private:
    explicit StagedFile(std::string path) : path_(std::move(path)) {}
    std::string path_;  // empty once moved to its name
};

// The folder part of a path, with its trailing '/'; "" when there is none.
std::string folderOf(const std::string& path);
// The path with every symbolic link resolved.
std::optional<std::string> resolvedPath(const std::string& path);
// Whether anything (file, folder, link, even a dangling one) has this name.
bool entryExists(const std::string& path);
// Removes the staged files that a write killed before its end left in `folder`
// (the staged name pattern, older than a minute, so never one being written).
void RemoveStaleStagedFiles(const std::string& folder);
std::optional<FileOwnership> ownershipOf(const std::string& path);
// Flushes a folder's entries to disk, so that a rename in it lasts.
void syncFolder(const std::string& folder);

}  // namespace brisko
