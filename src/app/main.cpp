// Brisko on real windows: the Qt and POSIX services, a view for every window, and
// the event loop. The start-up itself is the toolkit-free Program. The two options
// are answered before the toolkit starts, so they work without a display.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/program.h"
#include "app/qt_windows.h"
#include "platform/posix/drives.h"
#include "platform/posix/environment.h"
#include "platform/posix/processors.h"
#include "platform/qt/qt_platform.h"

namespace {

std::string usage() {
    const std::string ini = brisko::qt::IniProfile().path();
    return "Usage: brisko [--help | --version]\n"
           "\n"
           "Brisko edits the settings of Quake III Arena in the game's config file,\n"
           "q3config.cfg. It searches your home folder (drive C:) and the other disks\n"
           "mounted on this machine (drives D: onward) for q3config.cfg files, lets you\n"
           "choose one, and offers about sixty of the game's settings on four pages,\n"
           "with presets by 3D card, by tuning goal and by railgun trail style.\n"
           "Save writes the config in Brisko's own layout; Save & Test saves and then\n"
           "starts the game on a test map.\n"
           "\n"
           "Options:\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "\n"
           "Files:\n"
           "  q3config.cfg    the config you choose; Save rewrites it\n"
           "  Tamblin.backup  beside it: the config as it was before Brisko's first save\n"
           "  Brisko.ini      the test-map choice, kept in " +
           ini.substr(0, ini.rfind('/') + 1) + "\n";
}

// Answers the first --help or --version with its exit status; false when there is
// neither and the program is to start.
bool answerOption(int argc, char** argv, int& status) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg != "--help" && arg != "--version") continue;
        const std::string text =
            arg == "--help" ? usage() : std::string("Brisko ") + BRISKO_VERSION + "\n";
        const bool written = std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0;
        status = written ? 0 : 1;
        return true;
    }
    return false;
}

// The program's icon in every size the program carries.
QIcon programIcon() {
    QIcon icon;
    for (const QFileInfo& file : QDir(":/icons").entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    const auto launched = brisko::TSearchProgress::Clock::now();
    if (int status = 0; answerOption(argc, argv, status)) return status;

    brisko::posix::DisableMissingSessionBus();
    QApplication app(argc, argv);
    QApplication::setApplicationName(brisko::Program::kTitle);
    QApplication::setApplicationVersion(BRISKO_VERSION);
    QGuiApplication::setDesktopFileName(BRISKO_APP_ID);
    QApplication::setWindowIcon(programIcon());

    brisko::qt::QtMessageBoxes messages;
    brisko::qt::QtFileDialogs fileDialogs;
    brisko::qt::QtScreen screen;
    brisko::posix::PosixDrives drives;
    brisko::posix::OnlineProcessors processors;
    brisko::qt::QtProcessStarter processes;
    brisko::qt::IniProfile profile;
    brisko::qt::QtApplication application;
    brisko::qt::QtWindowShower windows;
    brisko::Platform platform{messages,  fileDialogs, screen,      drives, processors,
                              processes, profile,     application, windows};

    brisko::Program program(platform);
    brisko::QtWindows views(program, messages, windows, application);
    // The player has waited since the launch. The progress window is made and
    // painted once, unseen, before the search begins: with the cache cold,
    // showing it then waits less on a disk and processors the search keeps busy
    // (measured: its show() took 100-190 ms, now 15-25 ms).
    program.SearchProgress.countNextFrom(launched);
    views.searchProgress().window()->winId();
    views.searchProgress().window()->grab();
    program.CreateWindows();
    return application.run();
}
