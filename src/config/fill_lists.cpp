#include "config/fill_lists.h"

namespace brisko {

void FillNumberList(ComboBox& list, int start, int bound, Direction direction, int step,
                    int index) {
    if (direction == Direction::Down)
        for (int n = start; n >= bound; n -= step) list.addItem(std::to_string(n));
    else
        for (int n = start; n <= bound; n += step) list.addItem(std::to_string(n));
    list.setItemIndex(index);
}

std::string TimeItem(int tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " secs";
}

void FillTimeList(ComboBox& list, int fromTenths, int toTenths) {
    for (int t = fromTenths; t >= toTenths; --t) list.addItem(TimeItem(t));
}

}  // namespace brisko
