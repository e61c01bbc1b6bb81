// The real main window: widgets for every control of TForm1, laid out as designed.
#pragma once

#include "platform/qt/form_view.h"
#include "settings/form1.h"

namespace brisko::qt {

class TForm1View : public WindowView {
  public:
    TForm1View(TForm1& form, MessageBoxes& boxes);
};

}  // namespace brisko::qt
