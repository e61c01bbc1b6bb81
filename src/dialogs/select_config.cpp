#include "dialogs/select_config.h"

#include "config/config_file.h"

namespace brisko {

namespace {

using S = TSelectConfig;

// clang-format off
const DesignRow<TSelectConfig> kDesign[] = {
    {&S::Image1,        {},   8,  8,  35, 35, 0,         {"icon"}},
    {&S::Label1,        {},  52,  8, 342, 32, kWordWrap, {"Please select the config file you wish to modify from the drop down list."}},
    {&S::Label2,        {},   8, 50,  92, 22, 0,         {"Config to Modify:"}},
    {&S::CfgFilesCombo, {}, 100, 50, 294, 22, kPaths},
    {&S::Button1,       {}, 238, 80,  75, 25, 0,         {"&OK"}},
    {&S::Button2,       {}, 319, 80,  75, 25, 0,         {"&Cancel"}},
};
// clang-format on

}  // namespace

TSelectConfig::TSelectConfig(TForm1& mainWindow, TBrowseCfg& browseCfg)
    : Window("SelectConfig", "Select Config", 402, 108), form_(mainWindow), browseCfg_(browseCfg) {
    build(kDesign);
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
        ChooseConfig(form_.program(), chosen);
    }
    setModalResult(ModalResult::Ok);
}

void TSelectConfig::Button2Click() {
    CancelConfigChoice(*this, form_.platform());
}

}  // namespace brisko
