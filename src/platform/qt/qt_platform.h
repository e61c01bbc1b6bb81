// The platform services backed by Qt: message boxes, the file-open dialog, the
// screen, modal and modeless showing, termination, Brisko.ini and starting programs.
#pragma once

#include <map>
#include <memory>

#include "platform/platform.h"
#include "platform/window.h"

class QSettings;

namespace brisko::qt {

class WindowWidget;

class QtMessageBoxes : public MessageBoxes {
  public:
    Answer show(const Message& message) override;
};

class QtFileDialogs : public FileDialogs {
  public:
    std::optional<std::string> open(const FileDialogRequest& request) override;
};

class QtScreen : public Screen {
  public:
    Rect screen() const override;
    Rect desktop() const override;
    Rect activeScreen() const override;
};

// Ends the program when control is next back in the event loop, also when asked
// before the loop has started (Qt ignores quit() then; run() checks the flag).
class QtApplication : public Application {
  public:
    void requestTermination() override;
    bool terminationRequested() const override { return requested_; }
    // Runs the event loop unless termination was already requested.
    int run();

  private:
    bool requested_ = false;
};

class QtWindowShower : public WindowShower {
  public:
    void add(Window& model, WindowWidget* widget) { widgets_[&model] = widget; }
    ModalResult showModal(Window& window) override;
    void show(Window& window) override;
    ModalResult runModal(Window& window, Timer& timer) override;

  private:
    std::map<const Window*, WindowWidget*> widgets_;
};

// $XDG_CONFIG_HOME/Brisko/Brisko.ini (default ~/.config/Brisko/Brisko.ini, the home
// folder taken from the user's account when $HOME is unset).
class IniProfile : public Profile {
  public:
    IniProfile();
    explicit IniProfile(std::string path);
    std::string path() const override { return path_; }
    bool exists() const override;
    std::string read(const std::string& section, const std::string& key,
                     const std::string& fallback) override;
    void write(const std::string& section, const std::string& key,
               const std::string& value) override;

  private:
    std::string path_;
};

class QtProcessStarter : public ProcessStarter {
  public:
    bool startDetached(const std::string& program, const std::vector<std::string>& args,
                       const std::string& workingDir,
                       const std::vector<std::string>& environment) override;
};

}  // namespace brisko::qt
