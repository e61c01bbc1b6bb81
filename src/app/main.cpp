// Brisko on real windows: the Qt and POSIX services, a view for every window, and
// the event loop. The start-up itself is the toolkit-free Program.
#include <QApplication>

#include "app/program.h"
#include "app/qt_windows.h"
#include "platform/posix/drives.h"
#include "platform/posix/processors.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(brisko::Program::kTitle);

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
    program.CreateWindows();
    return application.run();
}
