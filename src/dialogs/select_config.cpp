#include "dialogs/select_config.h"

namespace brisko {

TSelectConfig::TSelectConfig(TForm1& mainWindow, TBrowseCfg& browseCfg)
    : Window("SelectConfig", "Select Config", 402, 108), form_(mainWindow), browseCfg_(browseCfg) {
    own({&Image1, &Label1, &Label2, &CfgFilesCombo, &Button1, &Button2});
    Image1.setImage("icon");
    Label1.setCaption("Please select the config file you wish to modify from the drop down list.");
    Label2.setCaption("Config to Modify:");
    Button1.setCaption("&OK");
    Button2.setCaption("&Cancel");
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    centreOn(mainWindow.platform().screen.desktop());
}

void TSelectConfig::FormCreate() {
    Platform& platform = form_.platform();
    if (platform.screen.screen().width < kMinimumScreenWidth) {
        platform.app.requestTermination();
        return;
    }
    std::vector<std::string> items = form_.program().configFiles;
    items.push_back(kNotListed);
    CfgFilesCombo.setItems(std::move(items));
    CfgFilesCombo.setItemIndex(0);
}

void TSelectConfig::Button1Click() {
    const std::string chosen = CfgFilesCombo.text();
    if (chosen == kNotListed) {
        hide();
        form_.platform().windows.show(browseCfg_);
    } else {
        form_.program().currentConfigPath = chosen;
    }
    setModalResult(ModalResult::Ok);
}

void TSelectConfig::Button2Click() {
    CancelConfigChoice(*this, form_.platform());
}

}  // namespace brisko
