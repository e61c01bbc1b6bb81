#include "app/views/select_config_view.h"

namespace brisko::qt {

TSelectConfigView::TSelectConfigView(TSelectConfig& dialog, MessageBoxes& boxes)
    : WindowView(dialog, boxes) {
    window()->defaultButton = &dialog.Button1;
    window()->cancelButton = &dialog.Button2;
}

}  // namespace brisko::qt
