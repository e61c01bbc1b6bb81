// The real main window: widgets for every control of TForm1, laid out as designed.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/qt/binding.h"
#include "settings/form1.h"

namespace brisko::qt {

class TForm1View {
  public:
    TForm1View(TForm1& form, MessageBoxes& boxes);
    ~TForm1View();
    WindowWidget* window() const { return window_; }
    // The widget of a control, by the control's name.
    QWidget* widget(const std::string& name) const;

  private:
    TForm1& form_;
    Binder binder_;
    WindowWidget* window_;
    std::map<std::string, QWidget*> widgets_;
};

}  // namespace brisko::qt
