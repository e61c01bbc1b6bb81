#include "app/views/browse_cfg_view.h"

namespace brisko::qt {

namespace {
// Edit1 is the first control that takes the focus.
// clang-format off
const LayoutRow kLayout[] = {
    {"Image1", "", 8, 8, 35, 35},
    {"Label1", "", 52, 4, 343, 44, kWordWrap},
    {"Label2", "", 8, 52, 44, 22},
    {"Edit1", "", 52, 52, 343, 22},
    {"Button1", "", 8, 80, 75, 25},
    {"Button2", "", 239, 80, 75, 25},
    {"Button3", "", 320, 80, 75, 25},
};
// clang-format on
}  // namespace

TBrowseCfgView::TBrowseCfgView(TBrowseCfg& dialog, MessageBoxes& boxes)
    : WindowView(dialog, boxes, kLayout,
                 [&dialog](const std::string& name) { return dialog.find(name); }) {
    window()->defaultButton = &dialog.Button2;
    window()->cancelButton = nullptr;
}

}  // namespace brisko::qt
