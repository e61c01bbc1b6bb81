#include "discovery/match_mask.h"

#include "platform/ascii.h"

namespace brisko {

bool MatchMask(std::string_view pattern, std::string_view text) {
    for (std::size_t i = 0;; ++i) {
        if (i >= text.size() || i >= pattern.size()) return text.size() == pattern.size();
        if (pattern[i] == '*') return true;
        if (pattern[i] != '?' && pattern[i] != text[i]) return false;
    }
}

std::string_view ExtensionOf(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

namespace {

// The file-name part of a mask: what follows its last path separator.
std::string_view fileNamePart(std::string_view mask) {
    const std::size_t slash = mask.rfind('/');
    return slash == std::string_view::npos ? mask : mask.substr(slash + 1);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

NameMask::NameMask(std::string_view mask)
    : name_(asciiLower(fileNamePart(mask))),
      extension_(ExtensionOf(name_)),
      plain_(name_.find_first_of("*?") == std::string::npos) {}

bool NameMask::sameLowered(std::string_view name) const {
    // Equal names have equal extensions: the extension test holds as well.
    for (std::size_t i = 0; i < name.size(); ++i)
        if (lower(name[i]) != name_[i]) return false;
    return true;
}

bool NameMask::matchesPattern(std::string_view name) const {
    const std::string lowered = asciiLower(name);
    return MatchMask(name_, lowered) && MatchMask(extension_, ExtensionOf(lowered));
}

}  // namespace brisko
