// Filling the drop-down lists whose items are counted rather than designed.
#pragma once

#include <string>

#include "platform/controls.h"

namespace brisko {

enum class Direction { Up, Down };

// Appends start, start ± step, … while the number has not passed the bound (the
// bound included when reached), then selects `index` of the whole list (-1: none).
void FillNumberList(ComboBox& list, int start, int bound, Direction direction, int step, int index);

// Appends the time items of the tenths from `fromTenths` down to `toTenths`
// ("2.5 secs" … "0.1 secs").
void FillTimeList(ComboBox& list, int fromTenths, int toTenths);

// "0.4 secs" for 4 tenths.
std::string TimeItem(int tenths);

}  // namespace brisko
