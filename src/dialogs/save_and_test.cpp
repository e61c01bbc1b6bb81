#include "dialogs/save_and_test.h"

namespace brisko {

void SaveAndTest::SaveTestBtnClick() {
    save_.SaveBtnClick();  // an error here ends Save & Test
    if (form_.ConfigModified) {
        if (!form_.PlayerName.text().empty()) ShowTestMapDialog(mapSelect_, form_.platform());
        return;
    }
    if (ShowMessage(form_.platform().messages, MessageKind::Confirmation, Buttons::YesNo,
                    "Do you still want to test your un-modified config?") == Answer::Yes)
        ShowTestMapDialog(mapSelect_, form_.platform());
}

}  // namespace brisko
