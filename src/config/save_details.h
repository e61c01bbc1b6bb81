// What a save changes, shown below the confirmation on request.
#pragma once

#include <string>
#include <vector>

#include "config/config_writer.h"
#include "config/text_lines.h"

namespace brisko {

// The 1.32 release reads no config larger than this (its command buffer).
constexpr std::size_t kLargestConfigOfTheFirstEngine = 16384;

// A line per setting whose value changes, in file order ("fov: 110 → 90", an old
// file that does not set it "(not set)", an empty value ""), then, for a new file
// larger than the 1.32 release reads, a line that says so.
std::string SaveDetails(const std::vector<SettingLine>& settings, const Lines& oldLines,
                        std::size_t newSize);

}  // namespace brisko
