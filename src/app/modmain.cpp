#include "modmain.h"

#include "platform/ProgramEnd.h"
#include "platform/Settings.h"
#include "store/RecordFile.h"
#include "store/Trap.h"

#include <QWidget>

namespace cw {

void EndProgram(Context& ctx) {
    ctx.releaseObjError();
    RecordFile::closeAll();
    if (ctx.settings) skip([&] { ctx.settings->flush(); });
    ctx.programEnd->endNow();
}

void KeepOnTop(QWidget* window) {
    const QRect geometry = window->geometry();
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window->setGeometry(geometry); // changing a window flag must not move the window
    if (visible) window->show();
}

} // namespace cw
