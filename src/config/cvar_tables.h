// The setting lines of the written config: one table per block, one row per
// line, in the order the lines are written.
#pragma once

#include <functional>
#include <span>
#include <string>

namespace brisko {

class TForm1;

struct CvarRow {
    const char* cvar;  // lower case
    std::function<std::string(const TForm1&)> value;
    // The row is written only when this holds (no condition: always).
    bool (*when)(const TForm1&) = nullptr;
};

std::span<const CvarRow> RendererRows();       // under "// Renderer Options"
std::span<const CvarRow> HudRows();            // under "//  Hud Display Options"
std::span<const CvarRow> MiscellaneousRows();  // under "//  Miscellaneous Options"
std::span<const CvarRow> PreferenceRows();     // under "//  Player Preferences"
std::span<const CvarRow> RailgunRows();        // under "//  Railgun Options"
std::span<const CvarRow> NetworkRows();        // under "// Network Options"
std::span<const CvarRow> SoundRows();          // under "// Sound Options"

}  // namespace brisko
