// Name matching of the directory search.
#pragma once

#include <string>
#include <string_view>

namespace brisko {

// Compares position by position: "?" matches any one character; "*" matches the
// rest of the text when at least one character is left and ends the comparison
// (anything after it in the pattern is ignored); any other character must be
// equal. When either string runs out first, the result is whether both have the
// same length. So "*" does not match an empty text.
bool MatchMask(std::string_view pattern, std::string_view text);

// The extension of a name: from its last "." (included) to its end; empty when the
// name has no ".".
std::string_view ExtensionOf(std::string_view name);

// The name test of the directory search for one mask: the mask's name and its
// extension are matched against an entry's name and extension, each with the
// letters A-Z lowered first. A mask without wildcards makes this a case-blind
// comparison of the whole name, which is tested directly.
class NameMask {
  public:
    explicit NameMask(std::string_view mask);
    // A name of another length is told apart here: a walk asks for every entry.
    bool matches(std::string_view name) const {
        return plain_ ? name.size() == name_.size() && sameLowered(name) : matchesPattern(name);
    }

  private:
    bool sameLowered(std::string_view name) const;
    bool matchesPattern(std::string_view name) const;

    std::string name_;
    std::string extension_;
    bool plain_;
};

}  // namespace brisko
