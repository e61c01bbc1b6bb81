// The railgun page's sliders and their labels: each label shows a fixed prefix
// followed by its slider's position.
#pragma once

namespace brisko {

class TForm1;
class Slider;

// Rewrites the label of one of the three railgun sliders from its position.
void WriteRailSliderLabel(TForm1& form, const Slider& slider);

}  // namespace brisko
