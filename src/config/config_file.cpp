#include "config/config_file.h"

#include <unistd.h>

#include "config/atomic_file.h"
#include "config/text_lines.h"
#include "platform/platform.h"

namespace brisko {

namespace {

// Copies the config to the backup, unless something already has that name.
void makeBackup(const std::string& config, const std::string& backup, const FileOwnership& like) {
    if (entryExists(backup)) return;
    const AppError cannotCreate("Cannot create file " + backup);
    const auto content = readFileBytes(config);
    if (!content) throw cannotCreate;
    auto staged = StagedFile::write(folderOf(backup), *content, like);
    if (!staged) throw cannotCreate;
    // Made by someone else in the meantime: that one stays.
    if (!staged->publishNew(backup) && !entryExists(backup)) throw cannotCreate;
    syncFolder(folderOf(backup));
}

}  // namespace

std::string BackupPath(const std::string& configPath) {
    return folderOf(configPath) + "Tamblin.backup";
}

void ReplaceConfigFile(const std::string& configPath, const std::string& content) {
    const AppError cannotCreate("Cannot create file " + configPath);
    const auto target = resolvedPath(configPath);
    if (!target) throw cannotCreate;
    const auto like = ownershipOf(*target);
    // A config the user may not write (read-only) is left as it is.
    if (!like || ::access(target->c_str(), W_OK) != 0) throw cannotCreate;
    auto staged = StagedFile::write(folderOf(*target), content, *like);
    if (!staged) throw cannotCreate;
    makeBackup(*target, BackupPath(configPath), *like);
    if (!staged->replace(*target)) throw cannotCreate;
    syncFolder(folderOf(*target));
}

}  // namespace brisko
