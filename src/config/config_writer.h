// The lines of the written config, composed from the settings window and the
// lines carried over from the old file.
#pragma once

#include <string>
#include <vector>

#include "config/text_lines.h"

namespace brisko {

class TForm1;

struct SettingLine {
    std::string cvar;  // lower case
    std::string value;
};

struct ComposedConfig {
    // The whole file: the header, the key bindings, the settings under their
    // headings, then the lines carried over from the old file.
    Lines lines;
    std::vector<SettingLine> settings;  // those the window writes, in file order
};

ComposedConfig ComposeConfig(const TForm1& form, const Lines& oldLines);

// seta <cvar> "<value>", the value unescaped.
std::string SetaLine(const std::string& cvar, const std::string& value);

// The file's bytes: every line followed by CR LF.
std::string ConfigText(const Lines& lines);

}  // namespace brisko
