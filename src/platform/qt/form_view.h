// A real window for a Window model: a widget for each control, made in the order
// of the window's design, where the design places it.
#pragma once

#include <map>
#include <vector>

#include "platform/controls.h"
#include "platform/qt/binding.h"
#include "platform/window.h"

namespace brisko::qt {

// The window's widgets live as long as the view; destroying the view detaches
// every control it bound.
class WindowView {
  public:
    WindowView(Window& model, MessageBoxes& boxes, bool minimizeBox = false);
    virtual ~WindowView();
    WindowView(const WindowView&) = delete;
    WindowView& operator=(const WindowView&) = delete;

    WindowWidget* window() const { return window_; }
    // The widget of a control; none for a control without one (a timer).
    QWidget* widget(const Control& control) const;

  private:
    QWidget* make(const Placement& placement, QWidget* parent);

    Window& model_;
    std::vector<Control*> bound_;
    Binder binder_;
    WindowWidget* window_;
    std::map<const Control*, QWidget*> widgets_;
};

}  // namespace brisko::qt
