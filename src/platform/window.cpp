#include "platform/window.h"

namespace brisko {

Window::Window(std::string name, std::string caption, int clientWidth, int clientHeight)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      width_(clientWidth + kFrameWidth),
      height_(clientHeight + kFrameHeight) {}

Control* Window::find(const std::string& name) const {
    for (Control* control : controls_)
        if (control->name() == name) return control;
    return nullptr;
}

void Window::setBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed();
}

void Window::setClientSize(int width, int height) {
    setBounds(left_, top_, width + kFrameWidth, height + kFrameHeight);
}

void Window::moveTo(int left, int top) {
    setBounds(left, top, width_, height_);
}

void Window::centreOn(const Rect& desktop) {
    moveTo(desktop.left + (desktop.width - width_) / 2,
           desktop.top + (desktop.height - height_) / 2);
}

void Window::setState(WindowState state) {
    if (state_ == state) return;
    state_ = state;
    changed();
}

void Window::show() {
    if (visible_) return;
    visible_ = true;
    changed();
}

void Window::hide() {
    if (!visible_) return;
    visible_ = false;
    changed();
}

void Window::setModalResult(ModalResult result) {
    modalResult_ = result;
    changed();
}

}  // namespace brisko
