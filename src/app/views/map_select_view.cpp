#include "app/views/map_select_view.h"

namespace brisko::qt {

namespace {
// clang-format off
const LayoutRow kLayout[] = {
    {"Image1", "", 8, 8, 35, 35},
    {"Label2", "", 52, 8, 342, 32, kWordWrap},
    {"Label1", "", 52, 48, 64, 22},
    {"MapSelectCombo", "", 118, 48, 130, 22},
    {"Cheats", "", 262, 48, 132, 22},
    {"Button3", "", 8, 84, 75, 25},
    {"Button1", "", 238, 84, 75, 25},
    {"Button2", "", 319, 84, 75, 25},
    {"Label3", "", 8, 128, 140, 16},
    {"txtParameters", "", 150, 124, 244, 22},
};
// clang-format on
}  // namespace

TMapSelectView::TMapSelectView(TMapSelect& dialog, MessageBoxes& boxes)
    : WindowView(dialog, boxes, kLayout,
                 [&dialog](const std::string& name) { return dialog.find(name); }) {
    window()->defaultButton = &dialog.Button1;
    window()->cancelButton = &dialog.Button2;
}

}  // namespace brisko::qt
