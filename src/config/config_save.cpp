#include "config/config_save.h"

#include "config/config_file.h"
#include "config/config_writer.h"
#include "config/player_name.h"
#include "config/save_details.h"

namespace brisko {

namespace {

constexpr const char* kEmptyNameQuestion =
    "You have not entered a player name. Do you want Brisko to modify this setting?\n\r"
    "Choosing 'Yes' will set your player name to 'Player'. Choosing 'No' will allow you to "
    "modify your player name.";

constexpr const char* kUnwritableName =
    "Player names cannot contain double quotes, backslashes, semicolons or control characters, "
    "nor be longer than 255 characters. Please change your player name.";

// Lists whose value is their selected item; without one there is nothing to write.
struct RequiredList {
    ComboBox TForm1::*list;
    const char* title;
};

constexpr RequiredList kRequiredLists[] = {
    {&TForm1::ShadowCombo, "Type of shadow to render"},
    {&TForm1::ResolutionCombo, "Resolution"},
};

void warn(TForm1& form, const std::string& text) {
    ShowMessage(form.platform().messages, MessageKind::Warning, Buttons::Ok, text);
}

// Shows the first required list without a selection and ends the save there.
void requireSelectedLists(TForm1& form) {
    for (const RequiredList& required : kRequiredLists) {
        ComboBox& list = form.*required.list;
        if (list.itemIndex() >= 0) continue;
        warn(form, std::string("Please select a value for ") + required.title + " before saving.");
        form.Pages.bringToFront(form.RendererOptions);
        list.setFocus();
        throw SilentAbort();
    }
}

// Shows the player name field and ends the save when its name cannot be written.
void requireWritablePlayerName(TForm1& form) {
    if (IsWritablePlayerName(form.PlayerName.text())) return;
    warn(form, kUnwritableName);
    form.Pages.bringToFront(form.ClientSettings);
    form.PlayerName.setFocus();
    throw SilentAbort();
}

}  // namespace

void ConfigSave::SaveBtnClick() {
    // A refusal ends the whole operation, Save & Test included, without a further box.
    requireSelectedLists(form_);
    const std::string path = form_.program().currentConfigPath;
    const std::string oldText = ReadFileText(path);
    const Lines oldLines = SplitLines(oldText);
    CheckPlayerName();
    requireWritablePlayerName(form_);
    const ComposedConfig composed = ComposeConfig(form_, oldLines);
    const std::string text = ConfigText(composed.lines);

    if (!form_.SaveConfirmed) {
        const Answer answer = ShowMessage(
            form_.platform().messages, MessageKind::Confirmation, Buttons::YesNo,
            "You are about to modify: '" + path + "'" + ". Are you sure you want to continue?",
            SaveDetails(composed.settings, oldLines, text.size()));
        if (answer != Answer::Yes) {
            ShowMessage(form_.platform().messages, MessageKind::Information, Buttons::Ok,
                        "File not modified.");
            form_.ConfigModified = false;
            return;
        }
    }
    form_.SaveConfirmed = true;
    form_.ConfigModified = true;
    ReplaceConfigFile(path, form_.program().currentConfigPlace, text, oldText);
}

void ConfigSave::CheckPlayerName() {
    if (!form_.PlayerName.text().empty()) return;
    const Answer answer = ShowMessage(form_.platform().messages, MessageKind::Confirmation,
                                      Buttons::YesNo, kEmptyNameQuestion);
    if (answer == Answer::Yes) {
        form_.PlayerName.setText("Player");
    } else {
        form_.Pages.bringToFront(form_.ClientSettings);
        form_.PlayerName.setFocus();
    }
}

}  // namespace brisko
