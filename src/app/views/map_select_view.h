// The real test-map dialog: Esc presses Cancel, Enter presses OK.
#pragma once

#include "dialogs/map_select.h"
#include "platform/qt/form_view.h"

namespace brisko::qt {

class TMapSelectView : public WindowView {
  public:
    TMapSelectView(TMapSelect& dialog, MessageBoxes& boxes);
};

}  // namespace brisko::qt
