#include "platform/Trash.h"

#include "core/Failure.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cw {
namespace {

struct Trash {
    QByteArray root;   // holds files/ and info/
    QByteArray topdir; // the mount the trash serves; empty for the home trash
};

bool statOf(const QByteArray& path, struct stat& st) {
    return ::lstat(path.constData(), &st) == 0;
}

// A directory that exists, or is made, with the given mode; never a link.
bool ensureDirectory(const QByteArray& path, mode_t mode) {
    if (::mkdir(path.constData(), mode) != 0 && errno != EEXIST) return false;
    struct stat st;
    return statOf(path, st) && S_ISDIR(st.st_mode);
}

bool ensureTrash(const QByteArray& root, mode_t mode) {
    return ensureDirectory(root, mode) && ensureDirectory(root + "/files", 0700) &&
           ensureDirectory(root + "/info", 0700);
}

QByteArray parentOf(const QByteArray& path) {
    const int slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// The mount point of the filesystem that holds `dir`: the highest ancestor on its device.
QByteArray mountOf(QByteArray dir, dev_t device) {
    while (dir != "/") {
        const QByteArray parent = parentOf(dir);
        struct stat st;
        if (!statOf(parent, st) || st.st_dev != device) break;
        dir = parent;
    }
    return dir;
}

std::optional<Trash> homeTrash(dev_t device) {
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty() || !QDir().mkpath(dataHome)) return std::nullopt;
    const QByteArray home = QFile::encodeName(dataHome);
    struct stat st;
    // The home trash serves its own filesystem only; it is made when first needed.
    if (::stat(home.constData(), &st) != 0 || st.st_dev != device) return std::nullopt;
    const QByteArray root = home + "/Trash";
    if (!ensureTrash(root, 0700)) return std::nullopt;
    return Trash{root, QByteArray()};
}

std::optional<Trash> mountTrash(const QByteArray& topdir) {
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray base = topdir == "/" ? QByteArray() : topdir;
    // A shared .Trash made by the administrator counts only as a sticky directory, not a link.
    struct stat st;
    const QByteArray shared = base + "/.Trash";
    if (statOf(shared, st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
        ensureTrash(shared + '/' + uid, 0700))
        return Trash{shared + '/' + uid, topdir};
    const QByteArray own = base + "/.Trash-" + uid;
    if (ensureTrash(own, 0700) && statOf(own, st) && st.st_uid == ::getuid())
        return Trash{own, topdir};
    return std::nullopt;
}

std::optional<Trash> trashFor(const QByteArray& absolute) {
    struct stat st;
    if (!statOf(absolute, st)) return std::nullopt;
    if (auto home = homeTrash(st.st_dev)) return home;
    return mountTrash(mountOf(parentOf(absolute), st.st_dev));
}

// NAME, NAME.2.EXT, NAME.3.EXT, ... (the extension kept, so a restored-by-hand file opens
// with the same program).
QByteArray candidate(const QByteArray& name, int n) {
    if (n == 1) return name;
    const int dot = name.lastIndexOf('.');
    const QByteArray number = '.' + QByteArray::number(n);
    return dot <= 0 ? name + number : name.left(dot) + number + name.mid(dot);
}

constexpr int kMaxNames = 10000;

// The whole of `bytes` written and on the disk.
bool writeAll(int fd, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += n;
    }
    return ::fsync(fd) == 0;
}

void syncDirectory(const QByteArray& dir) {
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The file's absolute path, its folder resolved (the file itself may be a link, and is moved
// as one).
QByteArray absolutePathOf(const QString& path) {
    const QFileInfo info(path);
    const QString dir = info.absoluteDir().canonicalPath();
    if (dir.isEmpty()) return QByteArray();
    return QFile::encodeName(dir == QLatin1String("/") ? dir + info.fileName()
                                                       : dir + '/' + info.fileName());
}

QByteArray entryFor(const QByteArray& absolute, const Trash& trash) {
    return "[Trash Info]\nPath=" + trashInfoPath(absolute, trash.topdir) + "\nDeletionDate=" +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() +
           '\n';
}

} // namespace

QByteArray trashInfoPath(const QByteArray& path, const QByteArray& topdir) {
    QByteArray relative = path;
    if (!topdir.isEmpty()) relative = path.mid(topdir == "/" ? 1 : topdir.size() + 1);
    return relative.toPercentEncoding("/");
}

std::optional<TrashedFile> moveToTrash(const QString& path) {
    const QByteArray absolute = absolutePathOf(path);
    if (absolute.isEmpty()) return std::nullopt;
    const std::optional<Trash> trash = trashFor(absolute);
    if (!trash) return std::nullopt;
    const QByteArray name = absolute.mid(absolute.lastIndexOf('/') + 1);
    const QByteArray entry = entryFor(absolute, *trash);
    for (int n = 1; n <= kMaxNames; ++n) {
        // The entry is made first, exclusively: it reserves the name against other programs
        // trashing at the same moment.
        const QByteArray inTrash = candidate(name, n);
        const QByteArray info = trash->root + "/info/" + inTrash + ".trashinfo";
        const int fd =
            ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return std::nullopt;
        const bool written = writeAll(fd, entry);
        ::close(fd);
        const QByteArray file = trash->root + "/files/" + inTrash;
        struct stat st;
        const bool taken = written && statOf(file, st); // a file left without its entry
        if (written && !taken && ::rename(absolute.constData(), file.constData()) == 0) {
            syncDirectory(trash->root + "/files");
            return TrashedFile{QFile::decodeName(file), QFile::decodeName(info)};
        }
        ::unlink(info.constData());
        if (!taken) return std::nullopt;
    }
    return std::nullopt;
}

void takeBackFromTrash(const TrashedFile& trashed, const QString& path) {
    if (::rename(QFile::encodeName(trashed.file).constData(),
                 QFile::encodeName(path).constData()) != 0)
        throw Failure::fromErrno(errno);
    ::unlink(QFile::encodeName(trashed.info).constData());
}

void discardFile(const QString& path) {
    if (moveToTrash(path)) return;
    if (::unlink(QFile::encodeName(path).constData()) != 0) throw Failure::fromErrno(errno);
}

} // namespace cw
