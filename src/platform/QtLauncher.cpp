#include "platform/QtLauncher.h"

#include "core/Failure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

namespace cw {

bool QtLauncher::fileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

void QtLauncher::start(const QString& path) {
    if (path.isEmpty())
        throw Failure(QCoreApplication::translate("cw::QtLauncher", "No program to start"));
    QProcess process;
    process.setProgram(path);
    // The started program runs on by itself; nobody waits for it.
    if (!process.startDetached()) {
        const QString reason = process.errorString();
        throw Failure(
            reason.isEmpty()
                ? QCoreApplication::translate("cw::QtLauncher", "Cannot start %1").arg(path)
                : reason);
    }
}

} // namespace cw
