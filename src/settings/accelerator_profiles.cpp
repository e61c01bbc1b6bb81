// The accelerator chooser: adapting the renderer lists to the chosen card,
// unlocking the controls that wait for it, and re-applying the tune preset.
#include "settings/accelerator_profiles.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "settings/form1.h"
#include "settings/tune_presets.h"

namespace brisko {

namespace {

constexpr const char* kPlaceholder = "Select One";

// clang-format off
constexpr AcceleratorProfile kFull{true, true, 10};
constexpr AcceleratorProfile kBasic3{false, false, 3};
constexpr AcceleratorProfile kBasic4{false, false, 4};
constexpr AcceleratorProfile kBasic6{false, false, 6};
constexpr AcceleratorProfile kBasic10{false, false, 10};

struct AcceleratorRow {
    const char* item;
    AcceleratorProfile profile;
};

// By accelerator number.
constexpr AcceleratorRow kAccelerators[] = {
    {"ATi Rage Fury",     kFull},
    {"Intel i740",        kBasic6},
    {"nVidia TNT",        kFull},
    {"nVidia TNT 2",      kFull},
    {"Matrox G200",       kBasic6},
    {"Matrox G400",       kFull},
    {"3Dfx Voodoo 1",     kBasic3},
    {"3Dfx Voodoo 2",     kBasic4},
    {"3Dfx SLI Voodoo 2", kBasic6},
    {"3Dfx Voodoo 3",     kBasic10},
};

// A profile offers the first entries of this list, the engines' modes 1 to 10
// (mode 8 is 1280x1024 in their tables). A card that offers all ten offers today's
// sizes after them, and the desktop's last.
constexpr const char* kResolutions[] = {
    "400x300", "512x384", "640x480", "800x600", "960x720",
    "1024x768", "1152x864", "1280x1024", "1600x1200", "2048x1536",
    "1280x720", "1366x768", "1600x900", "1920x1080", "1920x1200",
    "2560x1080", "2560x1440", "3440x1440", "3840x2160",
};

constexpr const char* kStencilShadows[] = {"Stencil Buffer Shadows", "Very Dark Stencil Buffer Shadows"};
// clang-format on

}  // namespace

std::optional<int> AcceleratorNumber(const ComboBox& accelerator) {
    if (accelerator.itemIndex() < 0) return std::nullopt;
    const std::string chosen = accelerator.text();
    if (chosen == kPlaceholder) return 0;
    const auto* row = std::find_if(std::begin(kAccelerators), std::end(kAccelerators),
                                   [&](const AcceleratorRow& r) { return chosen == r.item; });
    if (row == std::end(kAccelerators)) return std::nullopt;
    return static_cast<int>(row - std::begin(kAccelerators));
}

void TForm1::AcceleratorDropDown() {
    if (Accelerator.count() > 0 && Accelerator.item(0) == kPlaceholder) Accelerator.deleteItem(0);
}

void TForm1::AcceleratorChange() {
    if (const auto number = AcceleratorNumber(Accelerator))
        ApplyAcceleratorProfile(kAccelerators[*number].profile);
    ChangeEnableState(true);
    ApplyTunePresetAt(*this, TuneCombo.itemIndex());
}

// Items are added and removed at the ends of the lists only, so the positions of
// the items every card offers never move (the desktop's size may change with the
// screen the window is on). Nothing here runs a list's reaction.
void TForm1::ApplyAcceleratorProfile(const AcceleratorProfile& profile) {
    if (profile.stencilShadows && ShadowCombo.count() == 2) {
        for (const char* item : kStencilShadows) ShadowCombo.addItem(item);
    } else if (!profile.stencilShadows && ShadowCombo.count() == 4) {
        ShadowCombo.deleteItem(3);
        ShadowCombo.deleteItem(2);
    }

    if (profile.colour32 && ColorDepthCombo.count() == 2)
        ColorDepthCombo.addItem("32-bit");
    else if (!profile.colour32 && ColorDepthCombo.count() == 3)
        ColorDepthCombo.deleteItem(2);

    // A position beyond the new list's end selects nothing.
    const int remembered = ResolutionCombo.itemIndex();
    ResolutionCombo.clear();
    const int offered =
        profile.resolutions == kResolutionModes ? std::ssize(kResolutions) : profile.resolutions;
    for (int i = 0; i < offered; ++i) ResolutionCombo.addItem(kResolutions[i]);
    if (profile.resolutions == kResolutionModes) {
        const Rect screen = platform_.screen.activeScreen();
        ResolutionCombo.addItem("Desktop (" + std::to_string(screen.width) + "x" +
                                std::to_string(screen.height) + ")");
    }
    ResolutionCombo.setItemIndex(remembered);
}

void TForm1::ChangeEnableState(bool on) {
    const bool secondProcessor = platform_.processors.hasSecondProcessor();
    rsmp.setEnabled(on && secondProcessor);
    for (const auto& row : design())
        if ((row.flags & kGated) == kGated) row.control.control(*this).setEnabled(on);
}

}  // namespace brisko
