// The config file on disk: its choice, its one-time backup and its replacement by
// the new content.
#pragma once

#include <string>

#include "settings/program_state.h"

namespace brisko {

// Makes `path` the config file being modified, and remembers where it leads now
// (its currentConfigPlace).
void ChooseConfig(ProgramState& state, const std::string& path);

// "Tamblin.backup" in the config file's own folder.
std::string BackupPath(const std::string& configPath);

// Puts `content` in place of the config file in one step, so that the file holds
// either its old or its complete new content at every moment. A config reached
// through a symbolic link is replaced at the link's target, as long as the path
// leads where it led when it was chosen (`chosen`): a link only to the same file,
// a path that is no link only in the same folder; otherwise nothing is written. When no backup
// exists yet, `oldContent` (the config as the save read it) is first written as the backup, which
// is never replaced. Throws AppError "Cannot create file <backup path>" when the backup cannot be
// made (nothing else changes) and "Cannot create file <config path>" when the new file cannot be
// put in place (the config keeps its content).
void ReplaceConfigFile(const std::string& configPath, const ProgramState::ChosenPlace& chosen,
                       const std::string& content, const std::string& oldContent);

}  // namespace brisko
