#include "platform/qt/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QTimer>

#include "platform/posix/home.h"
#include "platform/posix/start_detached.h"
#include "platform/qt/binding.h"

namespace brisko::qt {

namespace {

// The dialog or window that is open: the modal one, else the active one, else
// one shown (before the event loop none is active yet).
QWidget* frontWindow() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && (type == Qt::Window || type == Qt::Dialog)) return widget;
    }
    return nullptr;
}

// Keeps the box wide enough that the window manager's title bar shows the whole
// caption beside its icon and buttons (Qt allows the caption only 50 pixels more,
// and "Information" came out cut). The room is a square of the title's line
// height for each of the icon and three buttons, and as much again for margins.
void makeRoomForCaption(QMessageBox& box) {
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    title.setBold(true);
    const QFontMetrics metrics(title);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 8 * metrics.height();
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

Answer QtMessageBoxes::show(const Message& message) {
    // In front of the dialog or window that is open, as its own dialog.
    QMessageBox box(frontWindow());
    box.setWindowTitle(FromBytes(message.caption));
    // Texts hold paths and values from files: never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(FromBytes(message.text));
    if (!message.details.empty()) box.setDetailedText(FromBytes(message.details));
    switch (message.kind) {
        case MessageKind::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case MessageKind::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case MessageKind::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case MessageKind::Confirmation:
            box.setIcon(QMessageBox::Question);
            break;
    }
    QPushButton* yes = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    if (message.buttons == Buttons::YesNo) {
        yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
        no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
    } else {
        ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
    }
    // Last: setting the icon or the details lays the box out anew.
    makeRoomForCaption(box);
    box.exec();
    QAbstractButton* pressed = box.clickedButton();
    if (pressed && pressed == yes) return Answer::Yes;
    if (pressed && pressed == no) return Answer::No;
    if (pressed && pressed == ok) return Answer::Ok;
    return Answer::Closed;
}

std::optional<std::string> QtFileDialogs::open(const FileDialogRequest& request) {
    // "Name (*.x)|*.x|…": the names are shown as they are; the patterns after them
    // decide, "*.*" meaning every file (on Linux it would need a dot in the name).
    // Qt's own dialog matches them without regard to case, on every desktop.
    const QStringList parts = FromBytes(request.filter).split('|');
    QStringList names;
    QList<QStringList> patterns;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        names << parts[i];
        QStringList list = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& pattern : list)
            if (pattern == "*.*") pattern = "*";
        patterns << list;
    }
    QFileDialog dialog(nullptr, FromBytes(request.title), FromBytes(request.initialDir));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Names beginning with a dot are not hidden here: the native engines keep their
    // configs in ~/.q3a and ~/.config, which the player must be able to open.
    dialog.setFilter(dialog.filter() | QDir::Hidden);
    dialog.setNameFilters(names);
    auto* model = dialog.findChild<QFileSystemModel*>();
    const auto usePatterns = [&](const QString& name) {
        const qsizetype i = names.indexOf(name);
        if (model && i >= 0) model->setNameFilters(patterns[i]);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, usePatterns);
    if (!names.isEmpty()) usePatterns(names.first());
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QString ext = FromBytes(request.defaultExt);
    if (ext.startsWith("*.")) ext = ext.mid(2);
    dialog.setDefaultSuffix(ext);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

namespace {
Rect toRect(const QRect& r) {
    return {r.left(), r.top(), r.width(), r.height()};
}
}  // namespace

Rect QtScreen::screen() const {
    return toRect(QGuiApplication::primaryScreen()->geometry());
}
Rect QtScreen::desktop() const {
    return toRect(QGuiApplication::primaryScreen()->availableGeometry());
}
Rect QtScreen::activeScreen() const {
    const QWidget* active = QApplication::activeWindow();
    return active ? toRect(active->screen()->geometry()) : screen();
}

void QtApplication::requestTermination() {
    requested_ = true;
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

int QtApplication::run() {
    return requested_ ? 0 : QApplication::exec();
}

ModalResult QtWindowShower::showModal(Window& window) {
    auto it = widgets_.find(&window);
    if (it == widgets_.end()) return ModalResult::Cancel;
    WindowWidget* widget = it->second;
    window.setModalResult(ModalResult::None);
    widget->setModal(true);
    window.show();
    widget->exec();
    widget->setModal(false);
    window.hide();
    return window.modalResult() == ModalResult::None ? ModalResult::Cancel : window.modalResult();
}

ModalResult QtWindowShower::runModal(Window& window, Timer& timer) {
    const auto it = widgets_.find(&window);
    WindowWidget* widget = it == widgets_.end() ? nullptr : it->second;
    window.setModalResult(ModalResult::None);
    QEventLoop loop;
    QTimer ticks;
    ticks.setInterval(timer.interval());
    QObject::connect(&ticks, &QTimer::timeout, &loop, [&] {
        timer.tick();
        if (window.modalResult() != ModalResult::None) loop.quit();
    });
    // Modal once it appears; closed, by its result or otherwise, it ends the loop.
    if (widget) {
        widget->setModal(true);
        QObject::connect(widget, &QDialog::finished, &loop, &QEventLoop::quit);
    }
    ticks.start();
    loop.exec();
    if (widget) widget->setModal(false);
    window.hide();
    return window.modalResult() == ModalResult::None ? ModalResult::Cancel : window.modalResult();
}

void QtWindowShower::show(Window& window) {
    auto it = widgets_.find(&window);
    if (it == widgets_.end()) return;
    it->second->setModal(false);
    window.show();
    it->second->raise();
    it->second->activateWindow();
}

IniProfile::IniProfile() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = FromBytes(posix::HomeFolder()) + "/.config";
    path_ = (base + "/Brisko/Brisko.ini").toStdString();
}

IniProfile::IniProfile(std::string path) : path_(std::move(path)) {}

bool IniProfile::exists() const {
    return QFileInfo(FromBytes(path_)).isFile();
}

std::string IniProfile::read(const std::string& section, const std::string& key,
                             const std::string& fallback) {
    QSettings ini(FromBytes(path_), QSettings::IniFormat);
    const QVariant value = ini.value(FromBytes(section + "/" + key), FromBytes(fallback));
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(", ").toStdString();
    return value.toString().toStdString();
}

void IniProfile::write(const std::string& section, const std::string& key,
                       const std::string& value) {
    const QString path = FromBytes(path_);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(FromBytes(section + "/" + key), FromBytes(value));
    ini.sync();
    if (ini.status() != QSettings::NoError || !QFileInfo(path).isFile())
        throw AppError("Unable to write to " + path_);
}

bool QtProcessStarter::startDetached(const std::string& program,
                                     const std::vector<std::string>& args,
                                     const std::string& workingDir,
                                     const std::vector<std::string>& environment) {
    // Paths keep their bytes, which QString would not for those that are not UTF-8.
    return posix::StartDetached(program, args, workingDir, environment);
}

}  // namespace brisko::qt
