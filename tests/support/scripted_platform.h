// A platform for tests: message boxes, dialogs and windows answer by script, the
// screen and the drive table are whatever the test sets, and every box shown is
// recorded.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/window.h"

namespace brisko {

inline bool operator==(const Message& a, const Message& b) {
    return a.kind == b.kind && a.buttons == b.buttons && a.text == b.text && a.caption == b.caption;
}
inline void PrintTo(const Message& m, std::ostream* out) {
    const char* kinds[] = {"warning", "error", "information", "confirmation"};
    *out << kinds[static_cast<int>(m.kind)] << " box '" << m.caption << "' with "
         << (m.buttons == Buttons::Ok ? "OK" : "Yes/No") << ": " << m.text;
}

}  // namespace brisko

namespace brisko::test {

class ScriptedMessages : public MessageBoxes {
  public:
    // Answers given in order; when none is left, Ok for an OK box and No otherwise.
    std::deque<Answer> answers;
    std::vector<Message> shown;
    // Runs while a box is shown (after it is recorded), e.g. to look at the state.
    std::function<void(const Message&)> onShow;
    Answer show(const Message& message) override;
    std::vector<std::string> texts() const;
};

// Boxes as the program shows them, to compare whole boxes: kind, buttons, text
// and caption.
using Boxes = std::vector<Message>;
inline Message warningBox(const std::string& text, Buttons buttons = Buttons::Ok) {
    return {MessageKind::Warning, buttons, text, "Warning", {}};
}
inline Message informationBox(const std::string& text) {
    return {MessageKind::Information, Buttons::Ok, text, "Information", {}};
}
inline Message confirmationBox(const std::string& text) {
    return {MessageKind::Confirmation, Buttons::YesNo, text, "Confirm", {}};
}
// The box of an error that no step handled.
inline Message errorBox(const std::string& text) {
    return {MessageKind::Error, Buttons::Ok, text, "Brisko", {}};
}

class ScriptedFileDialogs : public FileDialogs {
  public:
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> requests;
    std::optional<std::string> open(const FileDialogRequest& request) override;
};

class FixedScreen : public Screen {
  public:
    Rect screenRect{0, 0, 1024, 768};
    Rect desktopRect{0, 0, 1024, 740};
    Rect activeRect{0, 0, 1024, 768};
    Rect screen() const override { return screenRect; }
    Rect desktop() const override { return desktopRect; }
    Rect activeScreen() const override { return activeRect; }
};

class TableDrives : public Drives {
  public:
    std::map<char, std::string> roots;  // letter -> folder (with trailing '/')
    std::string system;                 // no system's folders unless a test makes some
    std::uint32_t logicalDriveMask() const override;
    std::string root(char letter) const override;
    std::string systemRoot() const override { return system; }
};

class ScriptedProcessors : public Processors {
  public:
    bool second = false;
    int asked = 0;
    bool hasSecondProcessor() override {
        ++asked;
        return second;
    }
};

class RecordingProcesses : public ProcessStarter {
  public:
    struct Start {
        std::string program;
        std::vector<std::string> args;
        std::string workingDir;
        std::vector<std::string> environment;
    };
    std::vector<Start> started;
    bool succeed = true;
    bool startDetached(const std::string& program, const std::vector<std::string>& args,
                       const std::string& workingDir,
                       const std::vector<std::string>& environment) override {
        started.push_back({program, args, workingDir, environment});
        return succeed;
    }
};

class MemoryProfile : public Profile {
  public:
    std::map<std::string, std::string> values;  // "Section/Key" -> value
    bool present = false;
    bool writable = true;
    std::string path() const override { return "/memory/Brisko.ini"; }
    bool exists() const override { return present; }
    std::string read(const std::string& section, const std::string& key,
                     const std::string& fallback) override;
    void write(const std::string& section, const std::string& key,
               const std::string& value) override;
};

class FlagApplication : public Application {
  public:
    bool requested = false;
    void requestTermination() override { requested = true; }
    bool terminationRequested() const override { return requested; }
};

// Modal windows run the next script, which acts on the window as the user would;
// the modal result is the window's result after it (Cancel when it set none).
class ScriptedWindows : public WindowShower {
  public:
    std::deque<std::function<void(Window&)>> scripts;
    std::vector<std::string> modal;     // names of windows shown modally, in order
    std::vector<std::string> modeless;  // names of windows shown without waiting
    ModalResult showModal(Window& window) override;
    void show(Window& window) override;
    // Ticks the timer (a millisecond apart) until the window's result is set.
    ModalResult runModal(Window& window, Timer& timer) override;
};

// All of the above, wired into one Platform.
struct ScriptedPlatform {
    ScriptedMessages messages;
    ScriptedFileDialogs fileDialogs;
    FixedScreen screen;
    TableDrives drives;
    ScriptedProcessors processors;
    RecordingProcesses processes;
    MemoryProfile profile;
    FlagApplication app;
    ScriptedWindows windows;
    Platform platform{messages,  fileDialogs, screen, drives, processors,
                      processes, profile,     app,    windows};
};

}  // namespace brisko::test
