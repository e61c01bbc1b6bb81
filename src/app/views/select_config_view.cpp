#include "app/views/select_config_view.h"

namespace brisko::qt {

namespace {
// clang-format off
const LayoutRow kLayout[] = {
    {"Image1", "", 8, 8, 35, 35},
    {"Label1", "", 52, 8, 342, 32, kWordWrap},
    {"Label2", "", 8, 50, 92, 22},
    {"CfgFilesCombo", "", 100, 50, 294, 22, kPaths},
    {"Button1", "", 238, 80, 75, 25},
    {"Button2", "", 319, 80, 75, 25},
};
// clang-format on
}  // namespace

TSelectConfigView::TSelectConfigView(TSelectConfig& dialog, MessageBoxes& boxes)
    : WindowView(dialog, boxes, kLayout,
                 [&dialog](const std::string& name) { return dialog.find(name); }) {
    window()->defaultButton = &dialog.Button1;
    window()->cancelButton = &dialog.Button2;
}

}  // namespace brisko::qt
