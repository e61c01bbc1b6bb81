// The browse dialog: the path of the config file to modify, typed or picked in the
// file-open dialog. Its OK completes the start-up; its Cancel ends the program.
#pragma once

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/window.h"
#include "settings/form1.h"

namespace brisko {

// The renderer page's help while the accelerator is still to be chosen.
inline constexpr const char* kSelectAcceleratorHelp =
    "Please select your 3D accelerator from the drop down list.";

// Cancel of a config choice dialog: the dialog hides, the user is told, and the
// program ends.
void CancelConfigChoice(Window& dialog, Platform& platform);

class TBrowseCfg : public Window {
  public:
    explicit TBrowseCfg(TForm1& mainWindow);

    Picture Image1{"Image1"};
    Label Label1{"Label1"};
    Label Label2{"Label2"};
    TextField Edit1{"Edit1"};
    Button Button1{"Button1"};
    Button Button2{"Button2"};
    Button Button3{"Button3"};

    // The file-open dialog: its settings, and the file name it keeps from one run
    // to the next (a cancelled run leaves the last chosen name).
    FileDialogRequest OpenDialog1;
    std::string OpenDialog1FileName;

    void Button1Click();  // Browse...
    void Button2Click();  // OK
    void Button3Click();  // Cancel
    void Edit1Change();
    void Edit1KeyUp();

  private:
    // OK is possible only for the path of an existing file.
    void testPath();

    TForm1& form_;
};

}  // namespace brisko
