#include "config/config_file.h"

#include <filesystem>

#include "config/text_lines.h"
#include "platform/platform.h"
#include "platform/posix/atomic_file.h"
#include "platform/posix/files.h"
#include "platform/posix/paths.h"

namespace brisko {

using posix::StagedFile;

namespace {

// Writes the old content as the backup, unless the backup exists. Only a regular
// file (or a link to one) is a backup: anything else of that name (a folder, a
// FIFO, a dangling link) would leave the config without one, so the save stops.
void makeBackup(const std::string& content, const std::string& backup,
                const posix::FileOwnership& like) {
    const AppError cannotCreate("Cannot create file " + backup);
    const auto existingBackup = [&] {
        if (!posix::EntryExists(backup)) return false;
        if (!posix::IsRegularFile(backup)) throw cannotCreate;
        return true;
    };
    if (existingBackup()) return;
    auto staged = StagedFile::write(FolderOf(backup), NameOf(backup), content, like);
    if (!staged) throw cannotCreate;
    // Made by someone else in the meantime: that one stays.
    if (!staged->publishNew(backup) && !existingBackup()) throw cannotCreate;
    posix::SyncFolder(FolderOf(backup));
}

// Whether the path, which now leads to `target`, leads where it led when it was
// chosen: a link put in its place since, or turned to another file, would have the
// save rewrite a file the player never chose. The file itself may have been
// replaced meanwhile by another (the game and the save put a new file in place),
// a link too (an editor may save a linked file as a file of its own). Chosen
// nowhere, only a path that is no link is written.
bool leadsWhereChosen(const std::string& path, const std::string& target,
                      const ProgramState::ChosenPlace& chosen) {
    std::error_code error;
    const bool link = std::filesystem::is_symlink(path, error);
    if (error) return false;
    if (!chosen.inPlace) return !link;
    const std::optional<std::string>& where = link ? chosen.target : chosen.inPlace;
    return where && target == *where;
}

}  // namespace

void ChooseConfig(ProgramState& state, const std::string& path) {
    state.currentConfigPath = path;
    const auto folder = posix::ResolvedPath(FolderOf(path));
    state.currentConfigPlace = {
        posix::ResolvedPath(path),
        folder ? std::optional(JoinPath(*folder, NameOf(path))) : std::nullopt};
}

std::string BackupPath(const std::string& configPath) {
    return JoinPath(FolderOf(configPath), "Tamblin.backup");
}

void ReplaceConfigFile(const std::string& configPath, const ProgramState::ChosenPlace& chosen,
                       const std::string& content, const std::string& oldContent) {
    const AppError cannotCreate("Cannot create file " + configPath);
    // Resolved once: everything below writes at this target, never through the
    // path's links again.
    const auto target = posix::ResolvedPath(configPath);
    if (!target || !leadsWhereChosen(configPath, *target, chosen)) throw cannotCreate;
    const auto like = posix::OwnershipOf(*target);
    // A config the user may not write (read-only) is left as it is.
    if (!like || !posix::MayReplace(*target, like->mode)) throw cannotCreate;
    const std::string folder = FolderOf(*target), backup = BackupPath(configPath);
    // What saves killed before their end left behind, in both folders written to.
    posix::RemoveStaleStagedFiles(folder, NameOf(*target));
    posix::RemoveStaleStagedFiles(FolderOf(backup), NameOf(backup));
    auto staged = StagedFile::write(folder, NameOf(*target), content, *like);
    if (!staged) throw cannotCreate;
    makeBackup(oldContent, backup, *like);
    if (!staged->replace(*target)) throw cannotCreate;
    posix::SyncFolder(folder);
}

}  // namespace brisko
