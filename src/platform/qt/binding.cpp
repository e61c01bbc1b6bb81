#include "platform/qt/binding.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTreeWidget>

namespace brisko::qt {

QString FromBytes(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString KeyCaption(const std::string& caption) {
    return FromBytes(caption);
}

QString PlainCaption(const std::string& caption) {
    QString out;
    const QString in = FromBytes(caption);
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '&') {
            if (i + 1 < in.size() && in[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += in[i];
    }
    return out;
}

void DropDownCombo::showPopup() {
    if (beforePopup) beforePopup();
    QComboBox::showPopup();
}

namespace {
// A path cut to a width: its last folder and file name stay whole, and letters go
// from the middle of what lies before them; when even that leaves too little
// room, from the start.
QString elidePath(const QString& path, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(path) <= width) return path;
    const qsizetype cut = path.lastIndexOf('/', path.lastIndexOf('/') - 1);
    const QString end = cut > 0 ? path.mid(cut) : QString();
    const int room = width - metrics.horizontalAdvance(end);
    if (end.isEmpty() || room < width / 4) return metrics.elidedText(path, Qt::ElideLeft, width);
    return metrics.elidedText(path.left(cut), Qt::ElideMiddle, room) + end;
}

// A button's caption is never cut: when it is wider than the room the style leaves
// for it, the button's font shrinks until it fits.
void fitCaption(QPushButton& button, const QString& caption) {
    QStyleOptionButton option;
    option.initFrom(&button);
    const int room =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width() - 4;
    QFont font = button.parentWidget() ? button.parentWidget()->font() : QFont();
    while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != button.font()) button.setFont(font);
}
}  // namespace

// The style draws the text in the edit field, one pixel in from either side.
static int textRoom(const QComboBox& combo, const QStyleOptionComboBox& option) {
    return combo.style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
               .width() -
           2;
}

// A path is cut in its middle; any other item that does not fit ends in "…"
// rather than in half a letter.
void DropDownCombo::initStyleOption(QStyleOptionComboBox* option) const {
    QComboBox::initStyleOption(option);
    const int room = textRoom(*this, *option);
    option->currentText = paths
                              ? elidePath(option->currentText, fontMetrics(), room)
                              : fontMetrics().elidedText(option->currentText, Qt::ElideRight, room);
}

bool DropDownCombo::showsWholeItem() const {
    QStyleOptionComboBox option;
    QComboBox::initStyleOption(&option);
    return fontMetrics().horizontalAdvance(currentText()) <= textRoom(*this, option);
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
    if (!childAt(event->position().toPoint()) && onEmptyClick) onEmptyClick();
    QWidget::mousePressEvent(event);
}

WindowWidget::WindowWidget(Window& model, MessageBoxes& boxes, bool fixedFrame, bool minimizeBox)
    : QDialog(nullptr), model_(model), boxes_(boxes) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (minimizeBox)
        flags |=
            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    if (fixedFrame) flags |= Qt::MSWindowsFixedSizeDialogHint;
    setWindowFlags(flags);
    setSizeGripEnabled(false);
    // The layouts are in pixels, made for a small dialog font.
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);
    model_.onViewSync = [this] { syncFromModel(); };
    syncFromModel();
}

void WindowWidget::syncFromModel() {
    if (syncing_) return;
    syncing_ = true;
    setWindowTitle(FromBytes(model_.caption()));
    setFixedSize(model_.clientWidth(), model_.clientHeight());
    if (pos() != QPoint(model_.left(), model_.top())) move(model_.left(), model_.top());
    if (model_.state() == WindowState::Normal && (isMinimized() || isMaximized())) showNormal();
    if (model_.visible() && !isVisible()) show();
    if (!model_.visible() && isVisible()) hide();
    if (model_.modalResult() != ModalResult::None && isVisible() && isModal()) {
        done(model_.modalResult() == ModalResult::Ok ? QDialog::Accepted : QDialog::Rejected);
    }
    syncing_ = false;
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
    const auto press = [this](Button* button) {
        if (button && button->enabled()) DispatchUserEvent(boxes_, [button] { button->click(); });
    };
    switch (event->key()) {
        case Qt::Key_Escape:
            press(cancelButton);
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // A focused button is pressed itself; elsewhere Enter presses the default button.
            if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
                if (focused->isEnabled()) focused->click();
                return;
            }
            press(defaultButton);
            return;
        default:
            QWidget::keyPressEvent(event);  // not QDialog's: Esc and Enter are ours
    }
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
    if (!childAt(event->position().toPoint()) && onEmptyClick)
        DispatchUserEvent(boxes_, onEmptyClick);
    QDialog::mousePressEvent(event);
}

void WindowWidget::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    if (syncing_) return;
    syncing_ = true;
    model_.moveTo(pos().x(), pos().y());
    syncing_ = false;
}

void WindowWidget::closeEvent(QCloseEvent* event) {
    QDialog::closeEvent(event);
    if (!syncing_) {
        syncing_ = true;
        model_.hide();
        syncing_ = false;
    }
}

void Binder::user(const std::function<void()>& event) {
    DispatchUserEvent(boxes_, event);
}

namespace {
template <typename W>
W* place(W* widget, QRect rect) {
    widget->setGeometry(rect);
    return widget;
}

// Widget geometry, enabled and visible state from the control.
void syncCommon(const Control& control, QWidget* widget) {
    widget->setEnabled(control.enabled());
    widget->setVisible(control.visible());
    widget->setToolTip(FromBytes(control.hint()));
}

void focusHook(Control& control, QWidget* widget) {
    QPointer<QWidget> w(widget);
    control.onViewFocus = [w] {
        if (w) w->setFocus(Qt::OtherFocusReason);
    };
}
}  // namespace

QLabel* Binder::label(Label& control, QWidget* parent, QRect rect, bool wordWrap) {
    auto* widget = place(new QLabel(parent), rect);
    widget->setTextFormat(Qt::PlainText);
    widget->setWordWrap(wordWrap);
    widget->setAlignment(Qt::AlignLeft | (wordWrap ? Qt::AlignTop : Qt::AlignVCenter));
    QPointer<QLabel> w(widget);
    control.onViewSync = [&control, w] {
        if (!w) return;
        w->setText(PlainCaption(control.caption()));
        syncCommon(control, w);
    };
    control.onViewSync();
    return widget;
}

QGroupBox* Binder::group(GroupBox& control, QWidget* parent, QRect rect) {
    auto* widget = place(new QGroupBox(parent), rect);
    QPointer<QGroupBox> w(widget);
    control.onViewSync = [&control, w] {
        if (!w) return;
        w->setTitle(PlainCaption(control.caption()));
        syncCommon(control, w);
    };
    control.onViewSync();
    return widget;
}

QPushButton* Binder::button(Button& control, QWidget* parent, QRect rect) {
    auto* widget = place(new QPushButton(parent), rect);
    widget->setAutoDefault(false);
    QPointer<QPushButton> w(widget);
    control.onViewSync = [&control, w] {
        if (!w) return;
        w->setText(KeyCaption(control.caption()));
        fitCaption(*w, PlainCaption(control.caption()));
        syncCommon(control, w);
    };
    control.onViewSync();
    focusHook(control, widget);
    QObject::connect(widget, &QPushButton::clicked, widget,
                     [this, &control] { user([&control] { control.click(); }); });
    return widget;
}

QCheckBox* Binder::checkBox(CheckBox& control, QWidget* parent, QRect rect) {
    auto* widget = place(new QCheckBox(parent), rect);
    QPointer<QCheckBox> w(widget);
    control.onViewSync = [&control, w] {
        if (!w) return;
        QSignalBlocker block(w);
        w->setText(KeyCaption(control.caption()));
        w->setChecked(control.checked());
        syncCommon(control, w);
    };
    control.onViewSync();
    focusHook(control, widget);
    QObject::connect(widget, &QCheckBox::clicked, widget, [this, &control, w](bool on) {
        user([&control, on] { control.setChecked(on); });
        if (control.onViewSync) control.onViewSync();
    });
    return widget;
}

QWidget* Binder::radioGroup(RadioGroup& control, QWidget* parent, QRect rect) {
    auto* widget = place(new QWidget(parent), rect);
    QPointer<QWidget> w(widget);
    control.onViewSync = [&control, w] {
        if (w) syncCommon(control, w);
    };
    control.onViewSync();
    return widget;
}

QRadioButton* Binder::radio(RadioButton& control, QWidget* groupWidget, QRect rect) {
    auto* widget = place(new QRadioButton(groupWidget), rect);
    widget->setAutoExclusive(false);  // the control decides which button is checked
    QPointer<QRadioButton> w(widget);
    control.onViewSync = [&control, w] {
        if (!w) return;
        QSignalBlocker block(w);
        w->setText(KeyCaption(control.caption()));
        w->setChecked(control.checked());
        syncCommon(control, w);
    };
    control.onViewSync();
    focusHook(control, widget);
    QObject::connect(widget, &QRadioButton::clicked, widget, [this, &control] {
        user([&control] { control.setChecked(true); });
        if (control.onViewSync) control.onViewSync();
    });
    return widget;
}

DropDownCombo* Binder::combo(ComboBox& control, QWidget* parent, QRect rect, bool paths) {
    auto* widget = place(new DropDownCombo(parent), rect);
    widget->paths = paths;
    widget->setEditable(false);
    widget->setMaxVisibleItems(12);
    QPointer<DropDownCombo> w(widget);
    control.onViewSync = [&control, w] {
        if (!w) return;
        QSignalBlocker block(w);
        bool same = w->count() == control.count();
        for (int i = 0; same && i < control.count(); ++i)
            same = w->itemText(i) == FromBytes(control.item(i));
        if (!same) {
            w->clear();
            for (const std::string& item : control.items()) w->addItem(FromBytes(item));
        }
        w->setCurrentIndex(control.itemIndex());
        syncCommon(control, w);
        if (w->paths || !w->showsWholeItem()) w->setToolTip(w->currentText());
    };
    control.onViewSync();
    focusHook(control, widget);
    widget->beforePopup = [this, &control] { user([&control] { control.userOpen(); }); };
    QObject::connect(widget, &QComboBox::activated, widget, [this, &control](int index) {
        user([&control, index] { control.userSelect(index); });
        if (control.onViewSync) control.onViewSync();
    });
    return widget;
}

QSlider* Binder::slider(Slider& control, QWidget* parent, QRect rect, bool ticks) {
    auto* widget = place(new QSlider(Qt::Horizontal, parent), rect);
    widget->setRange(control.min(), control.max());
    widget->setTickInterval(control.frequency());
    widget->setTickPosition(ticks ? QSlider::TicksBelow : QSlider::NoTicks);
    QPointer<QSlider> w(widget);
    control.onViewSync = [&control, w] {
        if (!w) return;
        QSignalBlocker block(w);
        w->setValue(control.position());
        syncCommon(control, w);
    };
    control.onViewSync();
    focusHook(control, widget);
    QObject::connect(widget, &QSlider::valueChanged, widget, [this, &control](int value) {
        user([&control, value] { control.setPosition(value); });
    });
    return widget;
}

namespace {
class KeyUpFilter : public QObject {
  public:
    KeyUpFilter(QObject* parent, std::function<void()> onKeyUp)
        : QObject(parent), onKeyUp_(std::move(onKeyUp)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease && onKeyUp_) onKeyUp_();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> onKeyUp_;
};
}  // namespace

QLineEdit* Binder::edit(TextField& control, QWidget* parent, QRect rect) {
    auto* widget = place(new QLineEdit(parent), rect);
    QPointer<QLineEdit> w(widget);
    control.onViewSync = [&control, w] {
        if (!w) return;
        QSignalBlocker block(w);
        const QString text = FromBytes(control.text());
        if (w->text() != text) w->setText(text);
        syncCommon(control, w);
    };
    control.onViewSync();
    focusHook(control, widget);
    QObject::connect(widget, &QLineEdit::textEdited, widget, [this, &control](const QString& text) {
        const QByteArray bytes = text.toUtf8();
        user([&control, bytes] { control.setText(bytes.toStdString()); });
    });
    widget->installEventFilter(
        new KeyUpFilter(widget, [this, &control] { user([&control] { control.keyUp(); }); }));
    return widget;
}

QTreeWidget* Binder::tree(TreeView& control, QWidget* parent, QRect rect) {
    auto* widget = place(new QTreeWidget(parent), rect);
    widget->setHeaderHidden(true);
    widget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    widget->setRootIsDecorated(true);
    widget->setIndentation(12);
    widget->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto items = std::make_shared<std::vector<QTreeWidgetItem*>>();
    for (const TreeView::Node& node : control.nodes()) {
        QTreeWidgetItem* item =
            node.parent < 0 ? new QTreeWidgetItem(widget)
                            : new QTreeWidgetItem(items->at(static_cast<std::size_t>(node.parent)));
        item->setText(0, FromBytes(node.caption));
        items->push_back(item);
    }
    QPointer<QTreeWidget> w(widget);
    control.onViewSync = [&control, w, items] {
        if (!w) return;
        QSignalBlocker block(w);
        const int selected = control.selected();
        w->setCurrentItem(selected < 0 ? nullptr : items->at(static_cast<std::size_t>(selected)));
        for (QTreeWidgetItem* item : *items)
            if (!item->parent()) item->setExpanded(control.expanded() || item->isExpanded());
        syncCommon(control, w);
    };
    control.onViewSync();
    QObject::connect(widget, &QTreeWidget::currentItemChanged, widget,
                     [this, &control, items](QTreeWidgetItem* current) {
                         const auto it = std::find(items->begin(), items->end(), current);
                         const int position =
                             it == items->end() ? -1 : static_cast<int>(it - items->begin());
                         user([&control, position] { control.select(position); });
                     });
    return widget;
}

QLabel* Binder::picture(Picture& control, QWidget* parent, QRect rect) {
    auto* widget = place(new QLabel(parent), rect);
    widget->setScaledContents(true);
    QPointer<QLabel> w(widget);
    control.onViewSync = [&control, w] {
        if (!w) return;
        w->setPixmap(control.image().empty() ? QPixmap() : DrawPicture(control.image(), w->size()));
        syncCommon(control, w);
    };
    control.onViewSync();
    return widget;
}

QStackedWidget* Binder::stack(PageStack& control, QWidget* parent, QRect rect) {
    auto* widget = place(new QStackedWidget(parent), rect);
    QPointer<QStackedWidget> w(widget);
    control.onViewSync = [this, &control, w] {
        if (!w || !control.front()) return;
        auto it = pages_.find(control.front());
        if (it != pages_.end()) w->setCurrentWidget(it->second);
    };
    return widget;
}

ClickArea* Binder::page(Page& control, QStackedWidget* stack) {
    auto* widget = new ClickArea(stack);
    stack->addWidget(widget);
    pages_[&control] = widget;
    widget->onEmptyClick = [this, &control] {
        if (control.onClick) user(control.onClick);
    };
    return widget;
}

QPixmap DrawPicture(const std::string& name, QSize size) {
    QPixmap pixmap(size.isEmpty() ? QSize(1, 1) : size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(pixmap.size()));
    if (name == "strip") {
        QLinearGradient gradient(area.topLeft(), area.topRight());
        gradient.setColorAt(0, QColor(96, 24, 16));
        gradient.setColorAt(1, QColor(236, 233, 216));
        painter.fillRect(area, gradient);
        return pixmap;
    }
    // A dark arena with a glowing rail trail across it.
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(20, 18, 30));
    sky.setColorAt(1, QColor(70, 40, 30));
    painter.fillRect(area, sky);
    painter.setPen(QPen(QColor(120, 90, 60), 1));
    for (int i = 1; i < 6; ++i) {
        const qreal y = area.height() * (0.55 + 0.08 * i);
        painter.drawLine(QPointF(0, y), QPointF(area.width(), y));
    }
    QPainterPath trail;
    trail.moveTo(area.width() * 0.05, area.height() * 0.75);
    trail.cubicTo(area.width() * 0.35, area.height() * 0.2, area.width() * 0.65,
                  area.height() * 0.8, area.width() * 0.95, area.height() * 0.3);
    painter.setPen(
        QPen(QColor(255, 60, 40, 90), area.height() * 0.12, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(trail);
    painter.setPen(QPen(QColor(255, 220, 200), area.height() * 0.025, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(trail);
    return pixmap;
}

}  // namespace brisko::qt
