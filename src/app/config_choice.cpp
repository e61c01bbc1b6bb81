// Phase two of the start-up: the choice of the config file to modify.
#include "app/program.h"
#include "config/load_config.h"

namespace brisko {

void Program::Timer1Timer() {
    Form1.Timer1.setEnabled(false);
    MessageBoxes& messages = platform_.messages;

    if (state.configFiles.empty()) {
        const Answer answer = ShowMessage(
            messages, MessageKind::Warning, Buttons::YesNo,
            "Brisko could not find any Config files. Do you wish to try and find one yourself?");
        if (answer == Answer::Yes) {
            // Its OK loads the chosen file; its Cancel ends the program.
            platform_.windows.showModal(BrowseCfg);
            return;
        }
        ShowMessage(messages, MessageKind::Warning, Buttons::Ok,
                    "No config files could be found for Brisko to modify.");
        platform_.app.requestTermination();
        return;
    }

    Form1.ApplyBestPerformance();
    Form1.UpdateHelpPanel(kRendererPage, kSelectAcceleratorHelp, "N/A");
    platform_.windows.showModal(SelectConfig);
    // No path: the browse dialog is open without waiting and its OK completes the
    // start-up, or the dialog was closed otherwise than by its buttons.
    if (state.currentConfigPath.empty()) return;
    Form1.Accelerator.setEnabled(true);
    Form1.LblAccelerator.setEnabled(true);
    // The window's next step: Enter must not save the presets before a card is chosen.
    Form1.Accelerator.setFocus();
    LoadConfig(Form1, state.currentConfigPath);
}

}  // namespace brisko
