#include "config/setting_line.h"

#include <vector>

#include "platform/ascii.h"

namespace brisko {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isSetCommand(std::string_view word) {
    const std::string lower = AsciiLower(word);
    return lower == "seta" || lower == "set" || lower == "sets" || lower == "setu";
}

// The first `count` words of a line, split at blanks and tabs, quotes kept.
std::vector<std::string_view> firstWords(std::string_view line, std::size_t count) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (words.size() < count) {
        while (at < line.size() && isBlank(line[at])) ++at;
        if (at == line.size()) break;
        const std::size_t start = at;
        while (at < line.size() && !isBlank(line[at])) ++at;
        words.push_back(line.substr(start, at - start));
    }
    return words;
}

std::string withoutQuotes(std::string_view word) {
    std::string out;
    for (char c : word)
        if (c != '"') out += c;
    return out;
}

// The text of the line's first command: up to a ";" outside double quotes.
std::string_view firstCommand(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == ';' && !quoted) return line.substr(0, i);
    }
    return line;
}

bool isSpace(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// The arguments of a command as the game's console splits them: spaces and
// control characters separate, double quotes group (a quoted argument may be
// empty), and "//" outside quotes ends the line.
std::vector<std::string> arguments(std::string_view command) {
    std::vector<std::string> args;
    std::size_t at = 0;
    while (true) {
        while (at < command.size() && isSpace(command[at])) ++at;
        if (at == command.size() || command.substr(at).starts_with("//")) return args;
        if (command[at] == '"') {
            const std::size_t close = command.find('"', at + 1);
            const std::size_t end = close == std::string_view::npos ? command.size() : close;
            args.emplace_back(command.substr(at + 1, end - at - 1));
            at = close == std::string_view::npos ? end : close + 1;
            continue;
        }
        const std::size_t start = at;
        while (at < command.size() && !isSpace(command[at]) && command[at] != '"' &&
               !command.substr(at).starts_with("//"))
            ++at;
        args.emplace_back(command.substr(start, at - start));
    }
}

}  // namespace

std::string SettingName(std::string_view line) {
    const std::vector<std::string_view> words = firstWords(line, 2);
    if (words.empty()) return "";
    if (!isSetCommand(withoutQuotes(words[0]))) return withoutQuotes(words[0]);
    return words.size() > 1 ? withoutQuotes(words[1]) : "";
}

std::optional<std::string> SettingValue(std::string_view line) {
    const std::vector<std::string> args = arguments(firstCommand(line));
    if (args.size() < 2) return std::nullopt;
    if (!isSetCommand(args[0])) return args[1];
    if (args.size() < 3) return std::nullopt;
    std::string value = args[2];
    for (std::size_t i = 3; i < args.size(); ++i) value += " " + args[i];
    return value;
}

}  // namespace brisko
