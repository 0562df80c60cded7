#include "platform/DataDirectory.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace cw {

QString dataDirectory() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString dir = QDir::cleanPath(base + QStringLiteral("/Cartwise"));
    QDir().mkpath(dir);
    return dir;
}

QString documentsDirectory() {
    const QString documents =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    // Many homes have no documents folder; the home folder always exists.
    return QFileInfo(documents).isDir() ? documents : QDir::cleanPath(QDir::homePath());
}

} // namespace cw
