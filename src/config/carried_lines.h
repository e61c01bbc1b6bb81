// The lines the written config carries over from the old file: the key bindings,
// the lines of a list of cvars the settings window does not edit, and every
// other line of the player's that the file does not write itself.
#pragma once

#include <set>
#include <span>
#include <string>

#include "config/text_lines.h"

namespace brisko {

// The cvars carried over unchanged, lower case, in the order they are tested.
std::span<const char* const> NotTweakedNames();

// Appends the old lines from the third on that begin with "bind" (case-sensitive).
void CopyBindLines(const Lines& oldLines, Lines& out);

// Appends `line` when its characters from the sixth on, as many as `name` has,
// read `name` with A-Z lowered; returns whether it did.
bool CopyNotTweakedLine(const std::string& line, const std::string& name, Lines& out);

// The old lines from the third on that pass the test for some name, each once,
// in file order, but for those setting a cvar of `written` (lower-case names, see
// SettingName), which would override what the file writes. A bind line is never
// one of them, even when it passes the test ("bind sensitivity ..."): it is
// carried with the bindings only.
void CopyNotTweakedLines(const Lines& oldLines, const std::set<std::string>& written, Lines& out);

// The old lines, from the first on, that neither of the two above carries, in
// file order: all but empty lines (or only blanks and tabs), comments ("//" after
// any blanks), "unbindall" and the lines setting a cvar of `written` (lower-case
// names, see SettingName).
void CopyOtherLines(const Lines& oldLines, const std::set<std::string>& written, Lines& out);

}  // namespace brisko
