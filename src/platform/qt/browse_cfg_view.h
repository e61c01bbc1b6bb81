// The real browse dialog. Esc does nothing in it; Enter presses OK while it is enabled.
#pragma once

#include <map>
#include <string>

#include "dialogs/browse_cfg.h"
#include "platform/qt/binding.h"

namespace brisko::qt {

class TBrowseCfgView {
  public:
    TBrowseCfgView(TBrowseCfg& dialog, MessageBoxes& boxes);
    ~TBrowseCfgView();
    TBrowseCfgView(const TBrowseCfgView&) = delete;
    TBrowseCfgView& operator=(const TBrowseCfgView&) = delete;
    WindowWidget* window() const { return window_; }
    QWidget* widget(const std::string& name) const;

  private:
    TBrowseCfg& dialog_;
    Binder binder_;
    WindowWidget* window_;
    std::map<std::string, QWidget*> widgets_;
};

}  // namespace brisko::qt
