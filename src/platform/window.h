// A top-level window of the program, free of the toolkit: caption, outer geometry,
// visibility and the modal result. The Qt binding mirrors it in a real window.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"

namespace brisko {

enum class ModalResult { None, Ok, Cancel };
enum class WindowState { Normal, Minimized, Maximized };

// Narrower screens are refused at start-up.
constexpr int kMinimumScreenWidth = 800;

class Window {
  public:
    // The frame the window system adds around the client area.
    static constexpr int kFrameWidth = 6;
    static constexpr int kFrameHeight = 29;

    Window(std::string name, std::string caption, int clientWidth, int clientHeight);
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int clientWidth() const { return width_ - kFrameWidth; }
    int clientHeight() const { return height_ - kFrameHeight; }
    void setBounds(int left, int top, int width, int height);
    void setClientSize(int width, int height);
    void moveTo(int left, int top);
    // Centred on the desktop, each quotient truncated toward zero.
    void centreOn(const Rect& desktop);

    WindowState state() const { return state_; }
    void setState(WindowState state);

    bool visible() const { return visible_; }
    void show();
    void hide();

    ModalResult modalResult() const { return modalResult_; }
    // Setting a result other than None closes a modal window.
    void setModalResult(ModalResult result);

    std::function<void()> onViewSync;

    // The window's named controls, for the binding and for tests.
    Control* find(const std::string& name) const;
    const std::vector<Control*>& controls() const { return controls_; }

  protected:
    // Registers the window's controls, in their order in the window.
    void own(std::initializer_list<Control*> controls) { controls_.assign(controls); }

  private:
    void changed() const {
        if (onViewSync) onViewSync();
    }
    std::string name_;
    std::string caption_;
    int left_ = 0, top_ = 0, width_, height_;
    WindowState state_ = WindowState::Normal;
    bool visible_ = false;
    ModalResult modalResult_ = ModalResult::None;
    std::vector<Control*> controls_;
};

// Showing windows: modal (waits for the window to close) or without waiting.
class WindowShower {
  public:
    virtual ~WindowShower() = default;
    // Shows the window modally and returns its modal result once it is closed
    // (Cancel when it was closed by other means than a button with a result).
    virtual ModalResult showModal(Window& window) = 0;
    virtual void show(Window& window) = 0;
    // Runs the window modally without showing it: it appears when the window
    // shows itself. `timer` ticks at its interval while it is enabled, until the
    // window's modal result is set; returns that result (Cancel when the window
    // was closed by other means).
    virtual ModalResult runModal(Window& window, Timer& timer) = 0;
};

}  // namespace brisko
