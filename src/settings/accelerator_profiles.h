// What each 3D accelerator can do: stencil shadows, 32-bit colour and how many
// screen resolutions it offers.
#pragma once

#include <optional>

namespace brisko {

class ComboBox;

struct AcceleratorProfile {
    bool stencilShadows;  // ShadowCombo offers its third and fourth items
    bool colour32;        // ColorDepthCombo offers "32-bit"
    int resolutions;      // how many entries of the resolution list are offered
};

// The chosen card's position among the ten accelerators, the placeholder not
// counted, whether or not the placeholder is still in the list; 0 while the
// placeholder is selected; nothing without a selection.
std::optional<int> acceleratorNumber(const ComboBox& accelerator);

}  // namespace brisko
