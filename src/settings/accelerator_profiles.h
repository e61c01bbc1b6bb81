// What each 3D accelerator can do: stencil shadows, 32-bit colour and how many
// screen resolutions it offers.
#pragma once

#include <optional>

namespace brisko {

class ComboBox;

// The first ten items of the resolution list are the engines' modes 1 to 10; the
// items after them are sizes the engines take as a custom mode ("1920x1080",
// "Desktop (1920x1080)").
inline constexpr int kResolutionModes = 10;

struct AcceleratorProfile {
    bool stencilShadows;  // ShadowCombo offers its third and fourth items
    bool colour32;        // ColorDepthCombo offers "32-bit"
    int resolutions;      // how many of the first ten resolutions are offered; all ten
                          // are followed by today's and the desktop's
};

// The chosen card's position among the ten accelerators, the placeholder not
// counted, whether or not the placeholder is still in the list; 0 while the
// placeholder is selected; nothing without a selection.
std::optional<int> AcceleratorNumber(const ComboBox& accelerator);

}  // namespace brisko
