// An append on a file system that is really full: a small tmpfs is mounted over the test's
// data directory and filled up. Needs the right to mount (root); skipped otherwise.
#include "StoreHelpers.h"
#include "store/cCategory.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace cw;
using namespace cw::test;

TEST(FullFileSystem, FailedAppendIsReportedAndLeavesTheOldLength) {
    TestContext t;
    const QByteArray dir = t.dir.path().toLocal8Bit();
    if (::mount("tmpfs", dir.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno)
                     << "); this test needs root or CAP_SYS_ADMIN";
    struct Unmount {
        const QByteArray& dir;
        ~Unmount() { ::umount2(dir.constData(), MNT_DETACH); }
    } unmount{dir};

    // 17 items end 101 bytes short of a page, 81 categories 46 bytes short: the next record
    // of each starts in a page that has room and must go on into one that cannot be had.
    cSourceItem s(t.ctx);
    cCategory c(t.ctx);
    for (int i = 1; i <= 81; ++i) {
        setFields(s, {QString("Item %1").arg(i), "", "1.29", "", "1", "", "", ""});
        if (i <= 17) {
            ASSERT_EQ(s.lngAddRecord(), i);
        }
        c.strCategory = QString("Category %1").arg(i);
        ASSERT_EQ(c.lngAddRecord(), i);
    }
    const QByteArray items = readFile(t.srcFile()), cats = readFile(t.catFile());
    ASSERT_EQ(items.size() + cats.size(), 17 * 235 + 81 * 50);
    // A filler file takes every byte that is left.
    const int fd = ::open(t.path("filler").toLocal8Bit().constData(), O_WRONLY | O_CREAT, 0644);
    while (::write(fd, "x", 1) == 1) {
    }
    const int err = errno;
    ::close(fd);
    ASSERT_EQ(err, ENOSPC);

    EXPECT_EQ(s.lngAddRecord(), 0);
    expectOneReport(t.prompts, "cSourceItem.lngAddRecord_Error: ", sysError(ENOSPC));
    EXPECT_EQ(readFile(t.srcFile()), items);
    EXPECT_EQ(c.lngAddRecord(), 0);
    expectOneReport(t.prompts, "cCategory.lngAddRecord_Error: ", sysError(ENOSPC));
    EXPECT_EQ(readFile(t.catFile()), cats);

    // Records already there are rewritten in place without asking for space.
    EXPECT_TRUE(s.blnSelectRecord(17, "3"));
    EXPECT_EQ(s.Calculate().toFixed(), "3.87");
    ASSERT_TRUE(c.blnDeleteRecord(81));
    EXPECT_EQ(c.lngAddRecord(), 81);
    EXPECT_EQ(QFile(t.catFile()).size(), 81 * 50);
    EXPECT_TRUE(t.prompts.boxes.empty());
}
