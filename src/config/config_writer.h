// The lines of the written config, composed from the settings window and the
// lines carried over from the old file. The player name check runs between the
// two halves.
#pragma once

#include <string>

#include "config/text_lines.h"

namespace brisko {

class TForm1;

// Header, key bindings, renderer, HUD and miscellaneous lines, and the player
// preferences up to the frame rate.
void ComposeUpToName(const TForm1& form, const Lines& oldLines, Lines& out);

// The player name and the rest of the settings, then the carried cvar lines.
void ComposeFromName(const TForm1& form, const Lines& oldLines, Lines& out);

// seta <cvar> "<value>", the value unescaped.
std::string setaLine(const std::string& cvar, const std::string& value);

// The file's bytes: every line followed by CR LF.
std::string configText(const Lines& lines);

}  // namespace brisko
