#include "widgets/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace cw {

void WaitCursor::begin() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void WaitCursor::end() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace cw
