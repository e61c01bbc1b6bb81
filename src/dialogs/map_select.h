// The test-map dialog: the map, cheats and extra parameters for Save & Test. It is
// created once and keeps its state for the whole run; Brisko.ini remembers the map
// and the cheats choice between runs.
#pragma once

#include <string>

#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "settings/program_state.h"

namespace brisko {

class SearchFollower;

class TMapSelect : public Window {
  public:
    static constexpr int kExpandBy = 36;

    // The game is started for the state's current config; a search of the drives
    // for it is followed by `follower` when given.
    TMapSelect(Platform& platform, const ProgramState& state, SearchFollower* follower = nullptr);

    Picture Image1{"Image1"};
    Label Label2{"Label2"};
    Label Label1{"Label1"};
    ComboBox MapSelectCombo{"MapSelectCombo"};
    CheckBox Cheats{"Cheats"};
    Button Button3{"Button3"};
    Button Button1{"Button1"};
    Button Button2{"Button2"};
    Label Label3{"Label3"};
    TextField txtParameters{"txtParameters"};

    // Reads Brisko.ini; may raise "'%s' is not a valid integer value".
    void FormCreate();
    void Button1Click();  // OK
    void Button2Click();  // Cancel
    void Button3Click();  // More >> / << Less

  private:
    Platform& platform_;
    const ProgramState& state_;
    SearchFollower* follower_;
};

// Centres the dialog on the desktop and shows it modally.
void ShowTestMapDialog(TMapSelect& dialog, Platform& platform);

}  // namespace brisko
