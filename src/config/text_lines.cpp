#include "config/text_lines.h"

#include <utility>

#include "platform/platform.h"
#include "platform/posix/files.h"

namespace brisko {

Lines SplitLines(std::string_view text) {
    if (auto nul = text.find('\0'); nul != std::string_view::npos) text = text.substr(0, nul);
    Lines lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string ReadFileText(const std::string& path) {
    auto text = posix::ReadFileBytes(path);
    if (!text) throw AppError("Cannot open file " + path);
    return std::move(*text);
}

Lines ReadTextFile(const std::string& path) {
    return SplitLines(ReadFileText(path));
}

}  // namespace brisko
