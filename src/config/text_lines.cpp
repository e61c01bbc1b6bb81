#include "config/text_lines.h"

#include <unistd.h>

#include <cerrno>

#include "platform/platform.h"
#include "platform/posix/files.h"

namespace brisko {

Lines splitLines(std::string_view text) {
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

std::optional<std::string> readFileBytes(const std::string& path) {
    const int fd = posix::OpenRegularFile(path);
    if (fd < 0) return std::nullopt;
    std::string text;
    bool ok = true;
    char buffer[65536];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!ok) return std::nullopt;
    return text;
}

Lines readTextFile(const std::string& path) {
    const auto text = readFileBytes(path);
    if (!text) throw AppError("Cannot open file " + path);
    return splitLines(*text);
}

}  // namespace brisko
