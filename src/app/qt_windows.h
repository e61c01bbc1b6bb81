// The program's windows on screen: a real window for each window model, each
// registered for showing, and a QTimer that ticks Timer1 while it is enabled.
#pragma once

#include <QTimer>
#include <memory>

#include "app/program.h"
#include "app/views/browse_cfg_view.h"
#include "app/views/form1_view.h"
#include "app/views/map_select_view.h"
#include "app/views/search_progress_view.h"
#include "app/views/select_config_view.h"
#include "platform/qt/qt_platform.h"

namespace brisko {

class QtWindows {
  public:
    QtWindows(Program& program, MessageBoxes& boxes, qt::QtWindowShower& shower, Application& app);
    ~QtWindows();
    QtWindows(const QtWindows&) = delete;
    QtWindows& operator=(const QtWindows&) = delete;

    qt::TForm1View& form1() { return *form1_; }
    qt::TSelectConfigView& selectConfig() { return *selectConfig_; }
    qt::TBrowseCfgView& browseCfg() { return *browseCfg_; }
    qt::TSearchProgressView& searchProgress() { return *searchProgress_; }
    const QTimer& timer1() const { return timer1_; }

  private:
    Program& program_;
    std::unique_ptr<qt::TForm1View> form1_;
    std::unique_ptr<qt::TBrowseCfgView> browseCfg_;
    std::unique_ptr<qt::TSelectConfigView> selectConfig_;
    std::unique_ptr<qt::TMapSelectView> mapSelect_;
    std::unique_ptr<qt::TSearchProgressView> searchProgress_;
    QTimer timer1_;
};

}  // namespace brisko
