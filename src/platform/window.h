// A top-level window of the program, free of the toolkit: caption, outer geometry,
// visibility and the modal result. The Qt binding mirrors it in a real window.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/platform.h"

namespace brisko {

enum class ModalResult { None, Ok, Cancel };
enum class WindowState { Normal, Minimized, Maximized };

// Narrower screens are refused at start-up.
constexpr int kMinimumScreenWidth = 800;

// A control of window W, named by the member that holds it (&TForm1::rfastsky),
// so that a misspelt control does not compile. The default names none.
template <class W>
class Member {
  public:
    constexpr Member() = default;
    template <class C>
    constexpr Member(C W::*member) : member_(member) {}

    constexpr explicit operator bool() const {
        return std::visit([](auto member) { return member != nullptr; }, member_);
    }
    AnyControl in(W& window) const {
        return std::visit([&window](auto member) -> AnyControl { return &(window.*member); },
                          member_);
    }
    Control& control(W& window) const { return Base(in(window)); }
    constexpr bool operator==(const Member&) const = default;

  private:
    template <class C>
    using MemberOf = C W::*;
    EveryKind<MemberOf> member_;
};

// Flags of a control in a window's design: how it looks beyond its kind, and its
// state as the window is built.
enum DesignFlag : unsigned {
    kWordWrap = 1,        // a label whose text wraps
    kBold = 2,            // a caption on a header strip: bold, white, above the strip
    kNoTicks = 4,         // a slider without tick marks
    kSunken = 8,          // a picture in a sunken frame
    kPaths = 16,          // a drop-down list of paths, the end of each shown
    kDisabled = 32,       // disabled as the window is built
    kChecked = 64,        // a radio button checked as the window is built
    kFirstOwnFlag = 256,  // this flag and those above it mean what a window makes of them
};

struct NoMore {};

// One control of window W as designed: the member that holds it, the control it
// sits in (none: the client area, or nowhere for a timer), its place and size
// there, its flags, and what it shows as the window is built: its caption, a
// list's items or a picture's image. `more` is what a window adds of its own.
template <class W, class More = NoMore>
struct DesignRow {
    Member<W> control;
    Member<W> parent = {};
    int left = 0, top = 0, width = 0, height = 0;
    unsigned flags = 0;
    std::initializer_list<const char*> shows = {};
    More more = {};
};

// Where a control of a window sits, for the window's views.
struct Placement {
    AnyControl control;
    std::optional<AnyControl> parent;  // none: the client area
    Rect rect;                         // in the parent's coordinates
    unsigned flags;
};

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

    // The window's controls in their order in the window, and where they sit.
    const std::vector<Control*>& controls() const { return controls_; }
    const std::vector<Placement>& placements() const { return placements_; }
    // The page a control sits on, through its groups and panels; none for a
    // control outside the pages.
    const Page* pageHolding(const Control& control) const;

  protected:
    // Builds the window's controls from its design, row by row: what each shows,
    // its state, and where it sits. A page placed in a stack is added to it.
    template <class W, class More, std::size_t N>
    void build(const DesignRow<W, More> (&rows)[N]) {
        W& self = static_cast<W&>(*this);
        for (const auto& row : rows) {
            std::optional<AnyControl> parent;
            if (row.parent) parent = row.parent.in(self);
            place({row.control.in(self),
                   parent,
                   {row.left, row.top, row.width, row.height},
                   row.flags},
                  row.shows);
        }
    }

  private:
    void place(const Placement& placement, std::initializer_list<const char*> shows);
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
    std::vector<Placement> placements_;
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
