// The real selection dialog.
#pragma once

#include <map>
#include <string>

#include "dialogs/select_config.h"
#include "platform/qt/binding.h"

namespace brisko::qt {

class TSelectConfigView {
  public:
    TSelectConfigView(TSelectConfig& dialog, MessageBoxes& boxes);
    ~TSelectConfigView();
    TSelectConfigView(const TSelectConfigView&) = delete;
    TSelectConfigView& operator=(const TSelectConfigView&) = delete;
    WindowWidget* window() const { return window_; }
    QWidget* widget(const std::string& name) const;

  private:
    TSelectConfig& dialog_;
    Binder binder_;
    WindowWidget* window_;
    std::map<std::string, QWidget*> widgets_;
};

}  // namespace brisko::qt
