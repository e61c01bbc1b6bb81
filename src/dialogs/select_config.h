// The selection dialog: the config files found at start-up, and an escape entry
// that leads to the browse dialog.
#pragma once

#include <string>
#include <vector>

#include "dialogs/browse_cfg.h"
#include "platform/controls.h"
#include "platform/window.h"
#include "settings/form1.h"

namespace brisko {

class TSelectConfig : public Window {
  public:
    static constexpr const char* kNotListed = "The config I want to modify isn't listed...";

    TSelectConfig(TForm1& mainWindow, TBrowseCfg& browseCfg);

    Picture Image1{"Image1"};
    Label Label1{"Label1"};
    Label Label2{"Label2"};
    ComboBox CfgFilesCombo{"CfgFilesCombo"};
    Button Button1{"Button1"};
    Button Button2{"Button2"};

    // Copies the config file list once; the list is not refreshed later.
    void FormCreate();
    void Button1Click();  // OK
    void Button2Click();  // Cancel

  private:
    TForm1& form_;
    TBrowseCfg& browseCfg_;
};

}  // namespace brisko
