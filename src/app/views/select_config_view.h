// The real selection dialog: Esc presses Cancel, Enter presses OK.
#pragma once

#include "dialogs/select_config.h"
#include "platform/qt/form_view.h"

namespace brisko::qt {

class TSelectConfigView : public WindowView {
  public:
    TSelectConfigView(TSelectConfig& dialog, MessageBoxes& boxes);
};

}  // namespace brisko::qt
