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
#include <stdexcept>

namespace brisko::qt {

std::map<std::string, QWidget*> buildLayout(
    Binder& binder, QWidget* client, std::span<const LayoutRow> rows,
    const std::function<Control*(const std::string&)>& find) {
    std::map<std::string, QWidget*> widgets;
    for (const LayoutRow& row : rows) {
        QWidget* parent = client;
        if (*row.parent) {
            auto it = widgets.find(row.parent);
            if (it == widgets.end())
                throw std::logic_error(std::string("layout parent missing: ") + row.parent);
            parent = it->second;
        }
        Control* control = find(row.control);
        if (!control) throw std::logic_error(std::string("layout control missing: ") + row.control);
        const QRect rect(row.x, row.y, row.w, row.h);
        QWidget* widget = nullptr;
        if (auto* page = dynamic_cast<Page*>(control)) {
            widget = binder.page(*page, qobject_cast<QStackedWidget*>(parent));
        } else if (auto* stack = dynamic_cast<PageStack*>(control)) {
            widget = binder.stack(*stack, parent, rect);
        } else if (auto* group = dynamic_cast<GroupBox*>(control)) {
            widget = binder.group(*group, parent, rect);
        } else if (auto* label = dynamic_cast<Label*>(control)) {
            auto* l = binder.label(*label, parent, rect, row.flags & kWordWrap);
            if (row.flags & kBold) {  // a caption on a header strip
                QFont font = l->font();
                font.setBold(true);
                l->setFont(font);
                QPalette palette = l->palette();
                palette.setColor(QPalette::WindowText, Qt::white);
                l->setPalette(palette);
                l->setContentsMargins(4, 0, 0, 0);
            }
            widget = l;
        } else if (auto* button = dynamic_cast<Button*>(control)) {
            widget = binder.button(*button, parent, rect);
        } else if (auto* box = dynamic_cast<CheckBox*>(control)) {
            widget = binder.checkBox(*box, parent, rect);
        } else if (auto* panel = dynamic_cast<RadioGroup*>(control)) {
            widget = binder.radioGroup(*panel, parent, rect);
        } else if (auto* radio = dynamic_cast<RadioButton*>(control)) {
            widget = binder.radio(*radio, parent, rect);
        } else if (auto* combo = dynamic_cast<ComboBox*>(control)) {
            widget = binder.combo(*combo, parent, rect, row.flags & kPaths);
        } else if (auto* slider = dynamic_cast<Slider*>(control)) {
            widget = binder.slider(*slider, parent, rect, !(row.flags & kNoTicks));
        } else if (auto* field = dynamic_cast<TextField*>(control)) {
            widget = binder.edit(*field, parent, rect);
        } else if (auto* tree = dynamic_cast<TreeView*>(control)) {
            widget = binder.tree(*tree, parent, rect);
        } else if (auto* picture = dynamic_cast<Picture*>(control)) {
            auto* label = binder.picture(*picture, parent, rect);
            if (row.flags & kSunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            widget = label;
        }
        if (!widget) throw std::logic_error(std::string("no widget for ") + row.control);
        widget->setObjectName(QString::fromUtf8(row.control));
        widgets[row.control] = widget;
    }
    return widgets;
}

WindowView::WindowView(Window& model, MessageBoxes& boxes, std::span<const LayoutRow> layout,
                       const std::function<Control*(const std::string&)>& find, bool minimizeBox)
    : model_(model), binder_(boxes), window_(new WindowWidget(model, boxes, true, minimizeBox)) {
    widgets_ = buildLayout(binder_, window_, layout, find);
    for (const LayoutRow& row : layout) bound_.push_back(find(row.control));
}

WindowView::~WindowView() {
    for (Control* control : bound_) {
        control->onViewSync = nullptr;
        control->onViewFocus = nullptr;
    }
    model_.onViewSync = nullptr;
    delete window_;
}

QWidget* WindowView::widget(const std::string& name) const {
    auto it = widgets_.find(name);
    return it == widgets_.end() ? nullptr : it->second;
}

}  // namespace brisko::qt
