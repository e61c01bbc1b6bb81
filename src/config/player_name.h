// Which player names the written config can hold.
#pragma once

#include <cstddef>
#include <string_view>

namespace brisko {

// The longest name, in bytes as written.
inline constexpr std::size_t kMaxPlayerNameBytes = 255;

// The name is written between double quotes, unescaped, and the game runs the
// config as commands: a double quote would end the value early and run the rest
// of the name as commands, a semicolon or backslash is refused in the player
// info, control characters break the line, and long lines are cut. Such names
// are not written.
bool IsWritablePlayerName(std::string_view name);

}  // namespace brisko
