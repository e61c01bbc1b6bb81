#include "dialogs/browse_cfg.h"

#include <filesystem>

#include "config/config_file.h"
#include "config/load_config.h"

namespace brisko {

namespace {

using B = TBrowseCfg;

// Edit1 is the first control that takes the focus.
// clang-format off
const DesignRow<TBrowseCfg> kDesign[] = {
    {&B::Image1,  {},   8,  8,  35, 35, 0,         {"icon"}},
    {&B::Label1,  {},  52,  4, 343, 44, kWordWrap, {"Please specify the path to the config file you want to modify by clicking the Browse button or typing the path in the text box."}},
    {&B::Label2,  {},   8, 52,  44, 22, 0,         {"Modify:"}},
    {&B::Edit1,   {},  52, 52, 343, 22},
    {&B::Button1, {},   8, 80,  75, 25, 0,         {"&Browse..."}},
    {&B::Button2, {}, 239, 80,  75, 25, kDisabled, {"&OK"}},
    {&B::Button3, {}, 320, 80,  75, 25, 0,         {"&Cancel"}},
};
// clang-format on

}  // namespace

void CancelConfigChoice(Window& dialog, Platform& platform) {
    dialog.hide();
    ShowMessage(platform.messages, MessageKind::Warning, Buttons::Ok,
                "No config files selected for Brisko to modify.");
    platform.app.requestTermination();
    dialog.setModalResult(ModalResult::Cancel);
}

TBrowseCfg::TBrowseCfg(TForm1& mainWindow)
    : Window("BrowseCfg", "Browse", 403, 108), form_(mainWindow) {
    build(kDesign);
    OpenDialog1.title = "Browse...";
    OpenDialog1.filter = "Config Files (*.cfg)|*.cfg|All Files (*.*)|*.*";
    OpenDialog1.defaultExt = "*.cfg";

    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    Edit1.onChange = [this] { Edit1Change(); };
    Edit1.onKeyUp = [this] { Edit1KeyUp(); };
    centreOn(mainWindow.platform().screen.desktop());
}

void TBrowseCfg::Button1Click() {
    Platform& platform = form_.platform();
    OpenDialog1.initialDir = platform.drives.root('C');
    if (auto chosen = platform.fileDialogs.open(OpenDialog1)) OpenDialog1FileName = *chosen;
    if (OpenDialog1FileName.empty()) {
        Edit1.setFocus();
        return;
    }
    Edit1.setText(OpenDialog1FileName);
    // A name that is no existing file leaves OK disabled; the focus stays in the field.
    if (Button2.enabled())
        Button2.setFocus();
    else
        Edit1.setFocus();
}

void TBrowseCfg::Button2Click() {
    form_.Accelerator.setEnabled(true);
    form_.LblAccelerator.setEnabled(true);
    // The window's next step: Enter must not save the presets before a card is chosen.
    form_.Accelerator.setFocus();
    form_.UpdateHelpPanel(kRendererPage, kSelectAcceleratorHelp, "N/A");
    ProgramState& state = form_.program();
    ChooseConfig(state, Edit1.text());
    LoadConfig(form_, state.currentConfigPath);
    setModalResult(ModalResult::Ok);
    hide();
}

void TBrowseCfg::Button3Click() {
    CancelConfigChoice(*this, form_.platform());
}

void TBrowseCfg::Edit1Change() {
    testPath();
}

void TBrowseCfg::Edit1KeyUp() {
    testPath();
}

void TBrowseCfg::testPath() {
    std::error_code error;
    Button2.setEnabled(!Edit1.text().empty() &&
                       std::filesystem::is_regular_file(Edit1.text(), error));
}

}  // namespace brisko
