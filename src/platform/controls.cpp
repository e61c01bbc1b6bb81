#include "platform/controls.h"

#include <algorithm>

namespace brisko {

namespace {
void run(const Reaction& reaction) {
    if (reaction) reaction();
}
}  // namespace

void Control::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changed();
}

void Control::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changed();
}

void Control::setHint(const std::string& text) {
    if (hint_ == text) return;
    hint_ = text;
    changed();
}

void Control::setFocus() {
    if (onViewFocus) onViewFocus();
}

void Label::setCaption(const std::string& text) {
    if (caption_ == text) return;
    caption_ = text;
    changed();
}

void Button::setCaption(const std::string& text) {
    if (caption_ == text) return;
    caption_ = text;
    changed();
}

void Button::click() {
    run(onClick);
}

void CheckBox::setCaption(const std::string& text) {
    caption_ = text;
    changed();
}

void CheckBox::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    changed();
    run(onClick);
}

RadioButton::RadioButton(std::string name, RadioGroup& group)
    : Control(std::move(name)), group_(group) {
    group_.buttons_.push_back(this);
}

void RadioButton::setCaption(const std::string& text) {
    caption_ = text;
    changed();
}

void RadioButton::setSilently(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    changed();
}

void RadioButton::setChecked(bool on) {
    if (!on) {
        setSilently(false);
        return;
    }
    if (checked_) return;
    for (RadioButton* partner : group_.buttons_)
        if (partner != this) partner->setSilently(false);
    setSilently(true);
    run(onClick);
}

std::string ComboBox::text() const {
    return index_ < 0 ? std::string() : item(index_);
}

void ComboBox::setItemIndex(int i) {
    if (i < 0 || i >= count()) i = -1;
    if (index_ == i) return;
    index_ = i;
    changed();
}

void ComboBox::selectItem(const std::string& text) {
    const auto it = std::find(items_.begin(), items_.end(), text);
    setItemIndex(it == items_.end() ? -1 : static_cast<int>(it - items_.begin()));
}

void ComboBox::addItem(const std::string& text) {
    items_.push_back(text);
    changed();
}

void ComboBox::deleteItem(int i) {
    if (i < 0 || i >= count()) return;
    items_.erase(items_.begin() + i);
    if (index_ == i)
        index_ = -1;
    else if (index_ > i)
        --index_;
    changed();
}

void ComboBox::clear() {
    items_.clear();
    index_ = -1;
    changed();
}

void ComboBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    index_ = -1;
    changed();
}

void ComboBox::userSelect(int i) {
    setItemIndex(i);
    run(onChange);
}

void ComboBox::userOpen() {
    run(onDropDown);
}

Slider::Slider(std::string name, int min, int max, int position, int frequency)
    : Control(std::move(name)),
      min_(min),
      max_(max),
      frequency_(frequency),
      position_(std::clamp(position, min, max)) {}

void Slider::setPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_) return;
    position_ = p;
    changed();
    run(onChange);
}

void TextField::setText(const std::string& text) {
    if (text_ == text) return;
    text_ = text;
    changed();
    run(onChange);
}

void TextField::keyUp() {
    run(onKeyUp);
}

void PageStack::add(Page& page) {
    pages_.push_back(&page);
    if (!front_) front_ = &page;
    changed();
}

void PageStack::bringToFront(Page& page) {
    if (front_ == &page) return;
    front_ = &page;
    changed();
}

void TreeView::addNode(const std::string& caption, int parent) {
    nodes_.push_back({caption, parent});
    changed();
}

void TreeView::select(int position) {
    if (position < 0 || position >= static_cast<int>(nodes_.size())) position = -1;
    if (selected_ == position) return;
    selected_ = position;
    changed();
    run(onChange);
}

void TreeView::setExpanded(bool on) {
    if (expanded_ == on) return;
    expanded_ = on;
    changed();
}

void Picture::setImage(const std::string& image) {
    image_ = image;
    changed();
}

void Picture::repaint() {
    ++repaints_;
    changed();
}

void Timer::tick() {
    if (enabled()) run(onTimer);
}

}  // namespace brisko
