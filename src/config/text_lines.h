// Text files as lists of lines: split at CR LF, a lone LF or a lone CR; a NUL ends
// the text; a final line end adds no empty line. Lines are kept as bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisko {

using Lines = std::vector<std::string>;

Lines SplitLines(std::string_view text);
// Reads a whole file's bytes; throws AppError "Cannot open file <path>".
std::string ReadFileText(const std::string& path);
// Reads a whole file into lines; throws AppError "Cannot open file <path>".
Lines ReadTextFile(const std::string& path);

}  // namespace brisko
