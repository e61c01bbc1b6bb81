#include <QApplication>

#include "platform/qt/form1_view.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // placeholder: replaced by the start-up sequence
    return 0;
}
