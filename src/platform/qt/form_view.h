// Builds real widgets for a window's controls from a layout table: one row a
// control, with its parent (the window, a page, a group or a panel) and its
// rectangle in the parent's coordinates.
#pragma once

#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/qt/binding.h"

namespace brisko::qt {

enum LayoutFlag : unsigned {
    kNone = 0,
    kWordWrap = 1,
    kBold = 2,
    kNoTicks = 4,
    kSunken = 8,  // a sunken frame around a picture
    kPaths = 16,  // a drop-down list of paths, the end of each shown
};

struct LayoutRow {
    const char* control;
    const char* parent;  // "" for the window's client area
    int x, y, w, h;
    unsigned flags = kNone;
};

// Makes the widgets of `rows` in order (parents before children) for the controls
// that `find` returns, bound through `binder`. Returns the widget of each control.
std::map<std::string, QWidget*> buildLayout(
    Binder& binder, QWidget* client, std::span<const LayoutRow> rows,
    const std::function<Control*(const std::string&)>& find);

// A real window for a Window model and its controls, laid out from a table. The
// window's widgets live as long as the view; destroying the view detaches every
// control it bound.
class WindowView {
  public:
    WindowView(Window& model, MessageBoxes& boxes, std::span<const LayoutRow> layout,
               const std::function<Control*(const std::string&)>& find, bool minimizeBox = false);
    virtual ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    WindowWidget* window() const { return window_; }
    // The widget of a control, by the control's name.
    QWidget* widget(const std::string& name) const;

  private:
    Window& model_;
    std::vector<Control*> bound_;
    Binder binder_;
    WindowWidget* window_;
    std::map<std::string, QWidget*> widgets_;
};

}  // namespace brisko::qt
