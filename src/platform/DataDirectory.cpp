#include "DataDirectory.h"

#include <QDir>
#include <QStandardPaths>

namespace cw {

QString dataDirectory() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString dir = QDir::cleanPath(base + QStringLiteral("/Cartwise"));
    QDir().mkpath(dir);
    return dir;
}

QString documentsDirectory() {
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

} // namespace cw
