#include "app/views/map_select_view.h"

namespace brisko::qt {

TMapSelectView::TMapSelectView(TMapSelect& dialog, MessageBoxes& boxes)
    : WindowView(dialog, boxes) {
    window()->defaultButton = &dialog.Button1;
    window()->cancelButton = &dialog.Button2;
}

}  // namespace brisko::qt
