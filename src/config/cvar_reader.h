// Reading a cvar's value from the lines of a config file.
#pragma once

#include <string>

#include "config/text_lines.h"

namespace brisko {

// Scans lines 3 to the last for a line whose characters from `column` (1-based),
// `width` of them, read `name` after A-Z are lowered; each such line sets `value`
// to its characters from column + length(name) + 2 to the second-to-last. The last
// matching line wins; without a match `value` keeps what it held.
void ReadCvarValue(const Lines& lines, std::size_t column, std::size_t width,
                   const std::string& name, std::string& value);

}  // namespace brisko
