#include "launch/save_and_test.h"

namespace brisko {

void SaveAndTest::SaveTestBtnClick() {
    form_.SaveBtn.click();  // an error here ends Save & Test
    if (form_.ConfigModified) {
        if (!form_.PlayerName.text().empty()) showTestMapDialog_();
        return;
    }
    if (showMessage(form_.platform().messages, MessageKind::Confirmation, Buttons::YesNo,
                    "Do you still want to test your un-modified config?") == Answer::Yes)
        showTestMapDialog_();
}

}  // namespace brisko
