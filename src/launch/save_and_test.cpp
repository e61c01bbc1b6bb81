// Save & Test: the whole save first, then the test-map dialog.
#include "settings/form1.h"

namespace brisko {

void TForm1::SaveTestBtnClick() {
    SaveBtn.click();  // an error here ends Save & Test
    if (ConfigModified) {
        if (!PlayerName.text().empty() && showTestMapDialog) showTestMapDialog();
        return;
    }
    if (showMessage(platform_.messages, MessageKind::Confirmation, Buttons::YesNo,
                    "Do you still want to test your un-modified config?") == Answer::Yes &&
        showTestMapDialog)
        showTestMapDialog();
}

}  // namespace brisko
