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
            widget = binder.combo(*combo, parent, rect);
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

}  // namespace brisko::qt
