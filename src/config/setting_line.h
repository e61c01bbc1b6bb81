// How a line of a config sets a cvar: "seta NAME VALUE" (or set, sets, setu), or
// "NAME VALUE".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisko {

// The cvar a line sets, as written: its first word, or the second after a set
// command (seta, set, sets, setu in any case), double quotes taken out. Words are
// separated by blanks and tabs. Empty when the line names none.
std::string SettingName(std::string_view line);

// The value the game gives that cvar when it runs the line: after a set command
// every further argument, joined by blanks; else the first argument. Arguments
// are split as the game's console splits them (double quotes group, "//" ends
// the line, ";" ends the command). Nothing when the line sets no value.
std::optional<std::string> SettingValue(std::string_view line);

}  // namespace brisko
