#include "platform/window.h"

namespace brisko {

Window::Window(std::string name, std::string caption, int clientWidth, int clientHeight)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      width_(clientWidth + kFrameWidth),
      height_(clientHeight + kFrameHeight) {}

void Window::place(const Placement& placement, std::initializer_list<const char*> shows) {
    controls_.push_back(&Base(placement.control));
    placements_.push_back(placement);
    const std::vector<std::string> texts(shows.begin(), shows.end());
    std::visit(Overloaded{
                   [&](ComboBox* list) {
                       if (!texts.empty()) list->setItems(texts);
                   },
                   [&](Picture* picture) {
                       if (!texts.empty()) picture->setImage(texts[0]);
                   },
                   [&](Page* page) {
                       auto* stack =
                           placement.parent ? std::get_if<PageStack*>(&*placement.parent) : nullptr;
                       if (stack) (*stack)->add(*page);
                   },
                   [&](RadioButton* radio) {
                       if (!texts.empty()) radio->setCaption(texts[0]);
                       if (placement.flags & kChecked) radio->setChecked(true);
                   },
                   [&](auto* control) {
                       if constexpr (requires { control->setCaption(texts[0]); })
                           if (!texts.empty()) control->setCaption(texts[0]);
                   },
               },
               placement.control);
    if (placement.flags & kDisabled) Base(placement.control).setEnabled(false);
}

const Page* Window::pageHolding(const Control& control) const {
    // A parent is placed before the controls in it: one walk back through the rows
    // meets every parent in turn.
    const Control* current = &control;
    for (auto it = placements_.rbegin(); it != placements_.rend(); ++it) {
        if (&Base(it->control) != current) continue;
        if (!it->parent) return nullptr;
        if (auto* page = std::get_if<Page*>(&*it->parent)) return *page;
        current = &Base(*it->parent);
    }
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
