// The help of every setting control: the page whose help panel shows it, its
// description and its cvar line.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace brisko {

struct SettingHelp {
    std::string_view control;
    std::uint8_t page;
    std::string_view description;
    std::string_view cvarLine;
};

std::span<const SettingHelp> settingHelps();
// The help row of a control; throws std::out_of_range for a control without help.
const SettingHelp& helpOf(std::string_view control);

}  // namespace brisko
