#include "app/qt_windows.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/controls.h"
#include "platform/platform.h"

namespace brisko {

QtWindows::QtWindows(Program& program, MessageBoxes& boxes, qt::QtWindowShower& shower,
                     Application& app)
    : program_(program),
      form1_(std::make_unique<qt::TForm1View>(program.Form1, boxes)),
      browseCfg_(std::make_unique<qt::TBrowseCfgView>(program.BrowseCfg, boxes)),
      selectConfig_(std::make_unique<qt::TSelectConfigView>(program.SelectConfig, boxes)),
      mapSelect_(std::make_unique<qt::TMapSelectView>(program.MapSelect, boxes)),
      searchProgress_(std::make_unique<qt::TSearchProgressView>(program.SearchProgress, boxes)) {
    shower.add(program.Form1, form1_->window());
    shower.add(program.BrowseCfg, browseCfg_->window());
    shower.add(program.SelectConfig, selectConfig_->window());
    shower.add(program.MapSelect, mapSelect_->window());
    shower.add(program.SearchProgress, searchProgress_->window());

    // Closing the main window ends the program.
    QObject::connect(form1_->window(), &QDialog::rejected, form1_->window(),
                     [&app] { app.requestTermination(); });

    // Timer1 runs while its control is enabled; a tick is a user event, which
    // waits while a message box waits for its answer (so that no window opens
    // over the box).
    Timer& timer = program.Form1.Timer1;
    timer1_.setInterval(timer.interval());
    timer.onViewSync = [this, &timer] {
        if (!timer.enabled())
            timer1_.stop();
        else if (!timer1_.isActive())
            timer1_.start();
    };
    timer.onViewSync();
    QObject::connect(&timer1_, &QTimer::timeout, &timer1_, [&timer, &boxes] {
        if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) return;
        DispatchUserEvent(boxes, [&timer] { timer.tick(); });
    });
}

QtWindows::~QtWindows() {
    program_.Form1.Timer1.onViewSync = nullptr;
}

}  // namespace brisko
