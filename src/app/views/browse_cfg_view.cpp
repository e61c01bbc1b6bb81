#include "app/views/browse_cfg_view.h"

namespace brisko::qt {

TBrowseCfgView::TBrowseCfgView(TBrowseCfg& dialog, MessageBoxes& boxes)
    : WindowView(dialog, boxes) {
    window()->defaultButton = &dialog.Button2;
    window()->cancelButton = nullptr;
}

}  // namespace brisko::qt
