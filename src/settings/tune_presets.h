// The tune presets of TuneCombo, by position: " Best Performance",
// " Best Visual Quality", " Best of Both Worlds".
#pragma once

namespace brisko {

class TForm1;

// Applies the preset at a position of TuneCombo; any other position (the item
// " Default Settings", or no selection) applies nothing.
void ApplyTunePresetAt(TForm1& form, int position);

}  // namespace brisko
