#include "config/cvar_reader.h"

#include "platform/ascii.h"

namespace brisko {

void ReadCvarValue(const Lines& lines, std::size_t column, std::size_t width,
                   const std::string& name, std::string& value) {
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (column - 1 > line.size()) continue;
        if (AsciiLower(line.substr(column - 1, width)) != name) continue;
        const std::size_t first = column + name.size() + 2;               // 1-based
        const std::size_t last = line.size() >= 1 ? line.size() - 1 : 0;  // second-to-last
        value = first <= last ? line.substr(first - 1, last - first + 1) : std::string();
    }
}

}  // namespace brisko
