// The real browse dialog. Esc does nothing in it; Enter presses OK while it is enabled.
#pragma once

#include "dialogs/browse_cfg.h"
#include "platform/qt/form_view.h"

namespace brisko::qt {

class TBrowseCfgView : public WindowView {
  public:
    TBrowseCfgView(TBrowseCfg& dialog, MessageBoxes& boxes);
};

}  // namespace brisko::qt
