#include "platform/qt/form_view.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTreeWidget>

namespace brisko::qt {

WindowView::WindowView(Window& model, MessageBoxes& boxes, bool minimizeBox)
    : model_(model), binder_(boxes), window_(new WindowWidget(model, boxes, true, minimizeBox)) {
    for (const Placement& placement : model.placements()) {
        QWidget* parent = placement.parent ? widgets_.at(&Base(*placement.parent)) : window_;
        const Control& control = Base(placement.control);
        if (QWidget* widget = make(placement, parent)) {
            widget->setObjectName(FromBytes(control.name()));
            widgets_[&control] = widget;
            bound_.push_back(&Base(placement.control));
        }
    }
    // The captions stand on their header strips; each stack shows its front page.
    for (const Placement& placement : model.placements()) {
        if (placement.flags & kBold) widgets_.at(&Base(placement.control))->raise();
        if (auto* stack = std::get_if<PageStack*>(&placement.control)) (*stack)->onViewSync();
    }
}

QWidget* WindowView::make(const Placement& placement, QWidget* parent) {
    const Rect& r = placement.rect;
    const QRect rect(r.left, r.top, r.width, r.height);
    const unsigned flags = placement.flags;
    return std::visit(
        Overloaded{
            [&](Label* label) -> QWidget* {
                auto* widget = binder_.label(*label, parent, rect, flags & kWordWrap);
                if (flags & kBold) {
                    QFont font = widget->font();
                    font.setBold(true);
                    widget->setFont(font);
                    QPalette palette = widget->palette();
                    palette.setColor(QPalette::WindowText, Qt::white);
                    widget->setPalette(palette);
                    widget->setContentsMargins(4, 0, 0, 0);
                }
                return widget;
            },
            [&](GroupBox* group) -> QWidget* { return binder_.group(*group, parent, rect); },
            [&](Button* button) -> QWidget* { return binder_.button(*button, parent, rect); },
            [&](CheckBox* box) -> QWidget* { return binder_.checkBox(*box, parent, rect); },
            [&](RadioGroup* panel) -> QWidget* { return binder_.radioGroup(*panel, parent, rect); },
            [&](RadioButton* radio) -> QWidget* { return binder_.radio(*radio, parent, rect); },
            [&](ComboBox* list) -> QWidget* {
                return binder_.combo(*list, parent, rect, flags & kPaths);
            },
            [&](Slider* slider) -> QWidget* {
                return binder_.slider(*slider, parent, rect, !(flags & kNoTicks));
            },
            [&](TextField* field) -> QWidget* { return binder_.edit(*field, parent, rect); },
            [&](Page* page) -> QWidget* {
                return binder_.page(*page, qobject_cast<QStackedWidget*>(parent));
            },
            [&](PageStack* stack) -> QWidget* { return binder_.stack(*stack, parent, rect); },
            [&](TreeView* tree) -> QWidget* { return binder_.tree(*tree, parent, rect); },
            [&](Picture* picture) -> QWidget* {
                auto* widget = binder_.picture(*picture, parent, rect);
                if (flags & kSunken) widget->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                return widget;
            },
            [](Timer*) -> QWidget* { return nullptr; },
        },
        placement.control);
}

WindowView::~WindowView() {
    for (Control* control : bound_) {
        control->onViewSync = nullptr;
        control->onViewFocus = nullptr;
    }
    model_.onViewSync = nullptr;
    delete window_;
}

QWidget* WindowView::widget(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

}  // namespace brisko::qt
