// The desktop trash as file managers read it back: every entry's Path= decoded (and taken
// from the top of its mount where it is relative), its file moved back there, byte for byte.
#include "TestContext.h"
#include "platform/Trash.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

using namespace cw;
using namespace cw::test;

namespace {

// Restores the entries of the trash at `root` (those of files named `name`, NAME.2...) the way
// a file manager does, and returns "path: bytes" of each file as it was restored, sorted.
QStringList restoreAll(const QString& root, const QString& topdir, const QString& name) {
    QStringList restored;
    const QDir info(root + "/info");
    const QStringList filter = {name + ".trashinfo", name.section('.', 0, 0) + ".*.trashinfo"};
    for (const QString& entry : info.entryList(filter, QDir::Files, QDir::Name)) {
        const QList<QByteArray> lines = readFile(info.filePath(entry)).split('\n');
        EXPECT_EQ(lines.value(0), "[Trash Info]");
        const QByteArray encoded = lines.value(1).mid(5);
        EXPECT_TRUE(lines.value(1).startsWith("Path=") &&
                    QRegularExpression("^[A-Za-z0-9/%._~-]+$").match(encoded).hasMatch())
            << encoded.toStdString(); // nothing but unreserved bytes, "/" and escapes
        // A local time of seconds, no zone, and just now.
        const QDateTime deleted = QDateTime::fromString(QString::fromLatin1(lines.value(2).mid(13)),
                                                        "yyyy-MM-ddThh:mm:ss");
        EXPECT_TRUE(lines.value(2).startsWith("DeletionDate=") && deleted.isValid() &&
                    qAbs(deleted.secsTo(QDateTime::currentDateTime())) < 60)
            << lines.value(2).toStdString();
        QString path = QFile::decodeName(QByteArray::fromPercentEncoding(encoded));
        if (!path.startsWith('/')) path = topdir + '/' + path;
        const QString inTrash = entry.chopped(int(strlen(".trashinfo")));
        EXPECT_EQ(std::rename(QFile::encodeName(root + "/files/" + inTrash).constData(),
                              QFile::encodeName(path).constData()),
                  0)
            << path.toStdString();
        EXPECT_TRUE(QFile::remove(info.filePath(entry)));
        restored << path + ": " + readFile(path);
    }
    restored.sort();
    return restored;
}

} // namespace

TEST(Trash, EntriesUnderAnOddFolderNameAreRestoredByAFileManagerByteForByte) {
    TestContext t;
    const QString folder = t.path(QString::fromUtf8("dätä 100%25 home"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + "/ctwcat6.dat";
    writeFile(file, "first catalogue");
    discardFile(file);
    writeFile(file, "second catalogue"); // the same name again: an entry of its own
    const std::optional<TrashedFile> second = moveToTrash(file);
    ASSERT_TRUE(second);
    EXPECT_FALSE(QFile::exists(file));

    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    EXPECT_EQ(second->file, trash + "/files/ctwcat6.2.dat");
    EXPECT_EQ(restoreAll(trash, {}, "ctwcat6.dat"),
              QStringList({file + ": first catalogue", file + ": second catalogue"}));
    EXPECT_TRUE(QDir(trash + "/files").isEmpty());
}

TEST(Trash, AFileOnAnotherFilesystemGoesToTheTrashAtTheTopOfItsMount) {
    struct stat home {
    }, shm{};
    const QString top = "/dev/shm";
    if (::stat(QFile::encodeName(QDir::homePath()), &home) != 0 ||
        ::stat(QFile::encodeName(top), &shm) != 0 || home.st_dev == shm.st_dev ||
        ::access(QFile::encodeName(top), W_OK) != 0)
        GTEST_SKIP() << top.toStdString() << " is not a filesystem of its own here";
    const QString trash = top + "/.Trash-" + QString::number(::getuid());
    const bool made = !QFile::exists(trash);
    QTemporaryDir dir(top + "/cartwise trash test XXXXXX");
    const QString file = dir.path() + "/ctwsrc6.dat";
    writeFile(file, "items");
    const std::optional<TrashedFile> trashed = moveToTrash(file);
    ASSERT_TRUE(trashed);
    EXPECT_TRUE(trashed->file.startsWith(trash + "/files/"));
    // Relative to the mount's top, as a trash there must be.
    EXPECT_EQ(
        readFile(trashed->info).split('\n').value(1),
        "Path=" +
            (dir.path().mid(top.size() + 1) + "/ctwsrc6.dat").toUtf8().toPercentEncoding("/"));
    EXPECT_EQ(restoreAll(trash, top, "ctwsrc6.dat"), QStringList{file + ": items"});
    if (made) QDir(trash).removeRecursively();
}
