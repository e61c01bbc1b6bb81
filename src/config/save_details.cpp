#include "config/save_details.h"

#include <map>

#include "config/setting_line.h"
#include "platform/ascii.h"

namespace brisko {

namespace {

// The value each cvar ends with when the game runs the lines, by lower-case name.
std::map<std::string, std::string> valuesSet(const Lines& lines) {
    std::map<std::string, std::string> values;
    for (const std::string& line : lines) {
        const std::string name = AsciiLower(SettingName(line));
        if (name.empty()) continue;
        if (auto value = SettingValue(line)) values[name] = std::move(*value);
    }
    return values;
}

std::string shown(const std::string& value) {
    return value.empty() ? "\"\"" : value;
}

}  // namespace

std::string SaveDetails(const std::vector<SettingLine>& settings, const Lines& oldLines,
                        std::size_t newSize) {
    const std::map<std::string, std::string> old = valuesSet(oldLines);
    std::string details;
    for (const SettingLine& setting : settings) {
        const auto before = old.find(setting.cvar);
        if (before != old.end() && before->second == setting.value) continue;
        details += setting.cvar + ": " +
                   (before == old.end() ? "(not set)" : shown(before->second)) + " \u2192 " +
                   shown(setting.value) + "\n";
    }
    if (details.empty()) details = "No setting changes its value.\n";
    if (newSize > kLargestConfigOfTheFirstEngine)
        details += "The new file is " + std::to_string(newSize) +
                   " bytes: the 1.32 release of the game reads no config larger than 16 KB "
                   "(Quake3e 64 KB, ioquake3 128 KB).\n";
    details.pop_back();
    return details;
}

}  // namespace brisko
