// The real progress window of a search: Enter and Esc press "Stop Searching", and
// its title bar has a close box, which does the same.
#pragma once

#include "dialogs/search_progress.h"
#include "platform/qt/form_view.h"

namespace brisko::qt {

class TSearchProgressView : public WindowView {
  public:
    TSearchProgressView(TSearchProgress& window, MessageBoxes& boxes);
};

}  // namespace brisko::qt
