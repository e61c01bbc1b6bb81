// The control model: toolkit-free controls that hold their state and run their
// reaction by the rules of their kind. Program changes and user changes go through
// the same code, so presets, start-up and the user all behave alike.
//
//   check box     reaction on every change of its checked state
//   radio button  reaction when it becomes checked; its partner is unchecked silently
//   slider        reaction on every change of position, after clamping to Min..Max
//   text field    reaction on every change of its text
//   drop-down     reaction only when the user picks an item (userSelect)
//
// A view (the Qt binding, or nothing in headless tests) is told after every state
// change through the control's view hook and brings its widget in step.
#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace brisko {

class Control {
  public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    bool visible() const { return visible_; }
    void setVisible(bool on);

    // The text shown when the pointer rests on the control ("" for none).
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& text);

    // Asks the view to give this control the keyboard focus.
    void setFocus();

    // The view's hooks: refresh after a state change, take the focus.
    std::function<void()> onViewSync;
    std::function<void()> onViewFocus;

  protected:
    void changed() const {
        if (onViewSync) onViewSync();
    }

  private:
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    std::string hint_;
};

using Reaction = std::function<void()>;

class Label : public Control {
  public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);

  private:
    std::string caption_;
};

// A group box: a captioned frame around other controls.
class GroupBox : public Label {
  public:
    using Label::Label;
};

class Button : public Control {
  public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    // Runs the click reaction (a user click, or the program pressing the button).
    void click();
    Reaction onClick;

  private:
    std::string caption_;
};

class CheckBox : public Control {
  public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    bool checked() const { return checked_; }
    // Runs onClick when the state really changes.
    void setChecked(bool on);
    // A user click: toggles the state.
    void toggle() { setChecked(!checked_); }
    Reaction onClick;

  private:
    std::string caption_;
    bool checked_ = false;
};

class RadioButton;

// The container of a radio pair (a panel). Checking one of its buttons unchecks the others.
class RadioGroup : public Control {
  public:
    using Control::Control;
    const std::vector<RadioButton*>& buttons() const { return buttons_; }

  private:
    friend class RadioButton;
    std::vector<RadioButton*> buttons_;
};

class RadioButton : public Control {
  public:
    RadioButton(std::string name, RadioGroup& group);
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    bool checked() const { return checked_; }
    // Checking runs onClick when the button was not checked; its partners are
    // unchecked without their reactions. Unchecking never runs a reaction.
    void setChecked(bool on);
    RadioGroup& group() const { return group_; }
    Reaction onClick;

  private:
    void setSilently(bool on);
    RadioGroup& group_;
    std::string caption_;
    bool checked_ = false;
};

class ComboBox : public Control {
  public:
    using Control::Control;
    const std::vector<std::string>& items() const { return items_; }
    int count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int i) const { return items_.at(static_cast<std::size_t>(i)); }
    int itemIndex() const { return index_; }
    // Text of the selected item, empty without a selection.
    std::string text() const;

    // Program changes: none of them runs a reaction. An index outside the list
    // selects nothing. Removing the selected item leaves no selection.
    void setItemIndex(int i);
    // Selects the first item of that text; nothing when the list has none.
    void selectItem(const std::string& text);
    void addItem(const std::string& text);
    void deleteItem(int i);
    void clear();
    void setItems(std::vector<std::string> items);

    // The user picks item i: selects it, then runs onChange.
    void userSelect(int i);
    // The user opens the list: onDropDown runs before the list is shown.
    void userOpen();

    Reaction onChange;
    Reaction onDropDown;

  private:
    std::vector<std::string> items_;
    int index_ = -1;
};

class Slider : public Control {
  public:
    Slider(std::string name, int min, int max, int position, int frequency = 1);
    int min() const { return min_; }
    int max() const { return max_; }
    int frequency() const { return frequency_; }
    int position() const { return position_; }
    // Clamps to Min..Max; runs onChange when the position really changes.
    void setPosition(int p);
    Reaction onChange;

  private:
    int min_;
    int max_;
    int frequency_;
    int position_;
};

// Text is kept as bytes: a name read from a file and never edited is written back
// exactly as it was read.
class TextField : public Control {
  public:
    using Control::Control;
    const std::string& text() const { return text_; }
    // Runs onChange when the text really changes.
    void setText(const std::string& text);
    Reaction onChange;
    // Key released in the field (some dialogs react to it as well as to changes).
    void keyUp();
    Reaction onKeyUp;

  private:
    std::string text_;
};

class Page : public Control {
  public:
    using Control::Control;
    Reaction onClick;  // a click on a spot of the page not covered by a child control
};

// Pages stacked at one place; exactly one is in front.
class PageStack : public Control {
  public:
    using Control::Control;
    void add(Page& page);
    Page* front() const { return front_; }
    void bringToFront(Page& page);
    const std::vector<Page*>& pages() const { return pages_; }

  private:
    std::vector<Page*> pages_;
    Page* front_ = nullptr;
};

// A tree whose nodes are numbered by their position in a depth-first walk.
class TreeView : public Control {
  public:
    struct Node {
        std::string caption;
        int parent;  // -1 for a root
    };
    using Control::Control;
    void addNode(const std::string& caption, int parent);
    const std::vector<Node>& nodes() const { return nodes_; }
    int selected() const { return selected_; }
    // Selecting another node (user or program) runs onChange.
    void select(int position);
    bool expanded() const { return expanded_; }
    void setExpanded(bool on);
    Reaction onChange;

  private:
    std::vector<Node> nodes_;
    int selected_ = -1;
    bool expanded_ = false;
};

// A picture is decoration: it holds the name of the image it shows.
class Picture : public Control {
  public:
    using Control::Control;
    const std::string& image() const { return image_; }
    void setImage(const std::string& image);
    // Paints the picture again.
    void repaint();
    int repaints() const { return repaints_; }

  private:
    std::string image_;
    int repaints_ = 0;
};

class Timer : public Control {
  public:
    Timer(std::string name, int intervalMs) : Control(std::move(name)), interval_(intervalMs) {
        setEnabled(false);
    }
    int interval() const { return interval_; }
    // A tick of the timer runs onTimer (only while enabled).
    void tick();
    Reaction onTimer;

  private:
    int interval_;
};

// Every kind of control, each wrapped by `Of`: Of<Label>, Of<GroupBox>, …
template <template <class> class Of>
using EveryKind = std::variant<Of<Label>, Of<GroupBox>, Of<Button>, Of<CheckBox>, Of<RadioGroup>,
                               Of<RadioButton>, Of<ComboBox>, Of<Slider>, Of<TextField>, Of<Page>,
                               Of<PageStack>, Of<TreeView>, Of<Picture>, Of<Timer>>;

template <class C>
using PointerTo = C*;

// A control by its kind: code that treats every kind visits it, and never asks a
// control what it is.
using AnyControl = EveryKind<PointerTo>;

inline Control& Base(const AnyControl& control) {
    return *std::visit([](Control* c) { return c; }, control);
}

// Lambdas overloaded for std::visit.
template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
// Spelled out for clang 14, which deduces no aggregate's arguments.
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace brisko
