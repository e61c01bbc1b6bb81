// What the windows get from the operating system and the toolkit, as narrow
// interfaces. Real implementations live in platform/qt and platform/posix; tests
// give scripted ones (tests/support).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace brisko {

class WindowShower;

// An error that no step handles: the operation ends at the failing step and the
// message is shown in an error box titled "Brisko" with a full stop added.
class AppError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Ends the current user operation silently, the way an error ends it but without a
// box (for a step that has already told the user why it stops).
class SilentAbort : public std::exception {
  public:
    const char* what() const noexcept override { return "operation aborted"; }
};

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class Answer { Yes, No, Ok, Closed };

// Button sets of a message box.
enum class Buttons { Ok, YesNo };

struct Message {
    MessageKind kind;
    Buttons buttons;
    std::string text;
    std::string caption;  // "Warning", "Error", "Information", "Confirm" or "Brisko"
    std::string details;  // shown on request below the text ("Show Details..."); may be empty
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Modal: returns the button pressed (Closed when the box was closed without one).
    virtual Answer show(const Message& message) = 0;
};

// Shows a message box of a kind with that kind's caption.
Answer ShowMessage(MessageBoxes& boxes, MessageKind kind, Buttons buttons, const std::string& text,
                   const std::string& details = {});
// The error box for an error that no step handles: titled "Brisko", message + ".".
void ShowUnhandledError(MessageBoxes& boxes, const std::string& message);

struct FileDialogRequest {
    std::string initialDir;
    std::string title;
    std::string filter;  // "Name (*.ext)|*.ext|…"
    std::string defaultExt;
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // Runs the file-open dialog; the chosen file name, or nothing when cancelled.
    virtual std::optional<std::string> open(const FileDialogRequest& request) = 0;
};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

class Screen {
  public:
    virtual ~Screen() = default;
    virtual Rect screen() const = 0;   // the primary screen
    virtual Rect desktop() const = 0;  // its available area
    // The screen the active window is on; the primary one when none is active.
    virtual Rect activeScreen() const { return screen(); }
};

// Drive C: is the user's home; D: to Z: are further disks (see posix/drives).
class Drives {
  public:
    virtual ~Drives() = default;
    // Bit 0 = A: … bit 25 = Z:.
    virtual std::uint32_t logicalDriveMask() const = 0;
    // Folder that stands for a drive's root, with its trailing '/'.
    virtual std::string root(char letter) const = 0;
    // The folder that stands for the system's root, where programs are installed,
    // with its trailing '/'; empty when there is none to look in.
    virtual std::string systemRoot() const { return "/"; }
    // The mount points of network and FUSE file systems, whose folders may wait on a
    // server that has gone away (absolute, without a trailing '/').
    virtual std::vector<std::string> remoteMounts() const { return {}; }
};

class Processors {
  public:
    virtual ~Processors() = default;
    // Whether the machine has a second processor; asked afresh on every call.
    virtual bool hasSecondProcessor() = 0;
};

class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // Starts a program without waiting for it, with variables ("NAME=value") added
    // to Brisko's own environment; false when it cannot be started.
    virtual bool startDetached(const std::string& program, const std::vector<std::string>& args,
                               const std::string& workingDir,
                               const std::vector<std::string>& environment) = 0;
};

// Brisko.ini: one section, read and written one value at a time.
class Profile {
  public:
    virtual ~Profile() = default;
    virtual std::string path() const = 0;
    virtual bool exists() const = 0;
    virtual std::string read(const std::string& section, const std::string& key,
                             const std::string& fallback) = 0;
    // Throws AppError "Unable to write to <path>" when the file cannot be written.
    virtual void write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

// The application: termination, and the point where user events are dispatched.
class Application {
  public:
    virtual ~Application() = default;
    // The program ends when control is next back in the event loop.
    virtual void requestTermination() = 0;
    virtual bool terminationRequested() const = 0;
};

// Everything a window may need from the platform.
struct Platform {
    MessageBoxes& messages;
    FileDialogs& fileDialogs;
    Screen& screen;
    Drives& drives;
    Processors& processors;
    ProcessStarter& processes;
    Profile& profile;
    Application& app;
    WindowShower& windows;
};

// Runs a user event: an AppError it raises is shown as the unhandled-error box; a
// SilentAbort just ends it.
void DispatchUserEvent(MessageBoxes& boxes, const std::function<void()>& event);

}  // namespace brisko
