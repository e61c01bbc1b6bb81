// Case conversion of the letters A-Z only; every other byte stays.
#pragma once

#include <string>
#include <string_view>

namespace brisko {

inline std::string AsciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

}  // namespace brisko
