// The real test-map dialog.
#pragma once

#include <map>
#include <string>

#include "dialogs/map_select.h"
#include "platform/qt/binding.h"

namespace brisko::qt {

class TMapSelectView {
  public:
    TMapSelectView(TMapSelect& dialog, MessageBoxes& boxes);
    ~TMapSelectView();
    WindowWidget* window() const { return window_; }
    QWidget* widget(const std::string& name) const;

  private:
    TMapSelect& dialog_;
    Binder binder_;
    WindowWidget* window_;
    std::map<std::string, QWidget*> widgets_;
};

}  // namespace brisko::qt
