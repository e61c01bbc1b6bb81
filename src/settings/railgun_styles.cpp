// The railgun styles: named sets of trail duration, colour and geometry.
#include "settings/railgun_styles.h"

#include <iterator>
#include <string>

#include "settings/form1.h"

namespace brisko {

namespace {

struct RailSliderLabel {
    Slider TForm1::*slider;
    Label TForm1::*label;
    const char* prefix;
};

constexpr RailSliderLabel kRailSliders[] = {
    {&TForm1::InnerWidth, &TForm1::LblInnerWidth, "Inner Trail Width: "},
    {&TForm1::Distance, &TForm1::LblDistance, "Distance Between Coils: "},
    {&TForm1::OuterWidth, &TForm1::LblOuterWidth, "Outer Trail Width: "},
};
constexpr int kRailSliderCount = static_cast<int>(std::size(kRailSliders));

void writeLabel(TForm1& form, const RailSliderLabel& row) {
    (form.*row.label).setCaption(row.prefix + std::to_string((form.*row.slider).position()));
}

struct RailgunStyle {
    const char* name;               // its item in RailGunStyleCombo
    int colour;                     // position in EffectColorCombo
    int duration;                   // position in RailTrailTimeCombo
    int sliders[kRailSliderCount];  // InnerWidth, Distance, OuterWidth
    const char* description;
};

// The style index is the item's position in RailGunStyleCombo.
// clang-format off
constexpr RailgunStyle kStyles[] = {
    {"Quake3Arena", 3, 21, {16, 64, 128}, "Quake3Arena default Railgun setting."},
    {"Beam",        3, 20, {16,  6, 128}, "High intensity Railgun trail."},
    {"Laser Rifle", 3, 24, { 3,  2,   5}, "Laser rifle - similar to the Tribes laser rifle."},
    {"No Trail",    3, 25, { 0,  0,   0}, "No Railgun trail."},
    {"Pin-Point",   6, 10, { 2,  3,  10}, "Very narrow beam with a long trail duration, gives you a pin point as to where your shot hit, also improves visibility. Could be used to refine aim."},
    {"Tracer",      6,  0, { 8, 12,  64}, "Large, bright beam with a long trail duration - dead give away to where any campers are situated."},
};
// clang-format on
constexpr int kStyleCount = static_cast<int>(std::size(kStyles));

}  // namespace

void WriteRailSliderLabel(TForm1& form, const Slider& slider) {
    for (const RailSliderLabel& row : kRailSliders)
        if (&(form.*row.slider) == &slider) writeLabel(form, row);
}

// The combo box is left as it is: a caller that wants it to show the style
// selects the style itself.
void TForm1::ApplyRailgunStyle(int style) {
    if (style < 0 || style >= kStyleCount) return;
    const RailgunStyle& row = kStyles[style];
    EffectColorCombo.setItemIndex(row.colour);
    RailTrailTimeCombo.setItemIndex(row.duration);
    // A slider that moves runs its reaction now; "No Trail" ends at each slider's Min.
    for (int i = 0; i < kRailSliderCount; ++i)
        (this->*kRailSliders[i].slider).setPosition(row.sliders[i]);
    for (const RailSliderLabel& slider : kRailSliders) writeLabel(*this, slider);
    UpdateHelpPanel(kRailPage, row.description, "N/A");
}

void TForm1::RailGunStyleComboChange() {
    const int style = RailGunStyleCombo.itemIndex();
    if (style >= 0 && style < kStyleCount) ApplyRailgunStyle(style);
}

}  // namespace brisko
