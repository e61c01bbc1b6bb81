// The Qt binding: makes a real widget for a control and keeps both in step. A
// user's action on the widget becomes a user change of the control (run through
// DispatchUserEvent, so an unhandled error shows the "Brisko" error box); a change
// of the control refreshes the widget with its signals blocked, so no reaction
// runs twice. Qt's own signal rules never decide what runs: the controls do.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QRect>
#include <QWidget>
#include <functional>
#include <map>

#include "platform/controls.h"
#include "platform/platform.h"
#include "platform/window.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTreeWidget;

namespace brisko::qt {

// Converts an access-key caption for a widget that shows access keys itself
// (buttons, check boxes): the texts already use Qt's "&" and "&&" convention.
QString KeyCaption(const std::string& caption);
// A label shows its caption without access-key marks: "&&" becomes "&".
QString PlainCaption(const std::string& caption);
QString FromBytes(const std::string& text);

// A drop-down list that runs the control's drop-down reaction before it opens.
class DropDownCombo : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<void()> beforePopup;
    // A list of paths: the closed box cuts a long one so that its last folder and
    // file name show, and the open list shows every path whole.
    bool paths = false;
    void showPopup() override;
    // Whether the closed box shows the whole of the current item.
    bool showsWholeItem() const;

  protected:
    void initStyleOption(QStyleOptionComboBox* option) const override;
};

// A widget that reports clicks on spots that no child control covers.
class ClickArea : public QWidget {
  public:
    using QWidget::QWidget;
    std::function<void()> onEmptyClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A top-level window for a Window model: its geometry, caption and visibility
// follow the model; a model's modal result closes it when it runs modally.
class WindowWidget : public QDialog {
  public:
    WindowWidget(Window& model, MessageBoxes& boxes, bool fixedFrame, bool minimizeBox);
    Window& model() { return model_; }
    // The button that Esc presses (none: Esc does nothing).
    Button* cancelButton = nullptr;
    // The button that Enter presses while it is enabled.
    Button* defaultButton = nullptr;
    std::function<void()> onEmptyClick;
    void syncFromModel();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    Window& model_;
    MessageBoxes& boxes_;
    bool syncing_ = false;
};

class Binder {
  public:
    explicit Binder(MessageBoxes& boxes) : boxes_(boxes) {}

    QLabel* label(Label& control, QWidget* parent, QRect rect, bool wordWrap = false);
    QGroupBox* group(GroupBox& control, QWidget* parent, QRect rect);
    QPushButton* button(Button& control, QWidget* parent, QRect rect);
    QCheckBox* checkBox(CheckBox& control, QWidget* parent, QRect rect);
    QWidget* radioGroup(RadioGroup& control, QWidget* parent, QRect rect);
    QRadioButton* radio(RadioButton& control, QWidget* groupWidget, QRect rect);
    // With `paths`, or when the closed box cuts it, the current item is also the
    // tooltip.
    DropDownCombo* combo(ComboBox& control, QWidget* parent, QRect rect, bool paths = false);
    QSlider* slider(Slider& control, QWidget* parent, QRect rect, bool ticks = true);
    QLineEdit* edit(TextField& control, QWidget* parent, QRect rect);
    QTreeWidget* tree(TreeView& control, QWidget* parent, QRect rect);
    QLabel* picture(Picture& control, QWidget* parent, QRect rect);
    QStackedWidget* stack(PageStack& control, QWidget* parent, QRect rect);
    // A page of the stack; clicks on its empty spots run the page's click reaction.
    ClickArea* page(Page& control, QStackedWidget* stack);

    // Runs a user event the way the event loop does.
    void user(const std::function<void()>& event);

  private:
    MessageBoxes& boxes_;
    std::map<const Page*, QWidget*> pages_;
};

// Draws the program's decoration pictures by name ("preview", "strip", "icon").
QPixmap DrawPicture(const std::string& name, QSize size);

}  // namespace brisko::qt
