#include "commands/Trash.h"

#include "core/Failure.h"
#include "store/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>

namespace cw {

QString moveToTrash(const QString& path) {
    // The user's trash is made ready first: where it cannot be, Qt may fall back to a trash in
    // the working folder, which is no trash at all.
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (home.isEmpty() || !QDir().mkpath(home + QStringLiteral("/Trash/files")) ||
        !QDir().mkpath(home + QStringLiteral("/Trash/info")))
        return QString();
    QString inTrash;
    if (!QFile::moveToTrash(path, &inTrash)) return QString();
    if (QFileInfo(inTrash).isRelative()) {
        takeBackFromTrash(inTrash, path);
        return QString();
    }
    return inTrash;
}

void takeBackFromTrash(const QString& inTrash, const QString& path) {
    if (std::rename(inTrash.toLocal8Bit().constData(), path.toLocal8Bit().constData()) != 0)
        throw Failure::fromErrno(errno);
    // The trash keeps what it knows of a file beside the files folder: files/NAME and
    // info/NAME.trashinfo.
    const QFileInfo file(inTrash);
    QFile::remove(file.dir().absolutePath() + QStringLiteral("/../info/") + file.fileName() +
                  QStringLiteral(".trashinfo"));
}

void discardFile(const QString& path) {
    if (moveToTrash(path).isEmpty()) deleteFile(path);
}

} // namespace cw
