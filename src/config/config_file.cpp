#include "config/config_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include "config/atomic_file.h"
#include "config/text_lines.h"
#include "platform/platform.h"
#include "platform/posix/files.h"
#include "platform/posix/paths.h"

namespace brisko {

namespace {

// Copies the config to the backup, unless the backup exists. Only a regular file
// (or a link to one) is a backup: anything else of that name (a folder, a FIFO, a
// dangling link) would leave the config without one, so the save stops.
void makeBackup(const std::string& config, const std::string& backup, const FileOwnership& like) {
    const AppError cannotCreate("Cannot create file " + backup);
    const auto existingBackup = [&] {
        if (!entryExists(backup)) return false;
        if (!posix::IsRegularFile(backup)) throw cannotCreate;
        return true;
    };
    if (existingBackup()) return;
    const auto content = readFileBytes(config);
    if (!content) throw cannotCreate;
    auto staged = StagedFile::write(FolderOf(backup), NameOf(backup), *content, like);
    if (!staged) throw cannotCreate;
    // Made by someone else in the meantime: that one stays.
    if (!staged->publishNew(backup) && !existingBackup()) throw cannotCreate;
    syncFolder(FolderOf(backup));
}

// Whether the user may replace this file. A file without any write permission is
// read-only for everyone, the superuser included (who passes access()).
bool writable(const std::string& path, const FileOwnership& like) {
    return (like.mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0 && ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

std::string BackupPath(const std::string& configPath) {
    return JoinPath(FolderOf(configPath), "Tamblin.backup");
}

void ReplaceConfigFile(const std::string& configPath, const std::string& content) {
    const AppError cannotCreate("Cannot create file " + configPath);
    const auto target = resolvedPath(configPath);
    if (!target) throw cannotCreate;
    const auto like = ownershipOf(*target);
    // A config the user may not write (read-only) is left as it is.
    if (!like || !writable(*target, *like)) throw cannotCreate;
    const std::string folder = FolderOf(*target), backup = BackupPath(configPath);
    // What saves killed before their end left behind, in both folders written to.
    RemoveStaleStagedFiles(folder, NameOf(*target));
    RemoveStaleStagedFiles(FolderOf(backup), NameOf(backup));
    auto staged = StagedFile::write(folder, NameOf(*target), content, *like);
    if (!staged) throw cannotCreate;
    makeBackup(*target, backup, *like);
    if (!staged->replace(*target)) throw cannotCreate;
    syncFolder(folder);
}

}  // namespace brisko
