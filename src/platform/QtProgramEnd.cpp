#include "platform/QtProgramEnd.h"

#include <QApplication>
#include <QWidget>

namespace cw {

void QtProgramEnd::endNow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        w->setEnabled(false);
        w->hide();
    }
    QCoreApplication::exit(0);
}

} // namespace cw
