// An append on a file system that is really full: a small tmpfs is mounted for the test and
// filled up. The failed add is reported and the file keeps its old length and bytes; writes
// in place still work. Needs the right to mount (root); skipped otherwise.
#include "StoreTestHelpers.h"
#include "TestContext.h"
#include "store/cCategory.h"
#include "store/cSourceItem.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace cw;
using namespace cw::test;

namespace {

class SmallTmpfs {
public:
    explicit SmallTmpfs(const QString& dir) : m_dir(dir.toLocal8Bit()) {
        if (::mount("tmpfs", m_dir.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") == 0)
            m_mounted = true;
        else
            m_error = errno;
    }
    ~SmallTmpfs() {
        if (m_mounted) ::umount2(m_dir.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    int error() const { return m_error; }

private:
    QByteArray m_dir;
    bool m_mounted = false;
    int m_error = 0;
};

// Writes a filler file until the file system refuses another byte.
void fillUp(const QString& path) {
    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << std::strerror(errno);
    const std::vector<char> block(4096, 'x');
    for (const std::size_t size : {std::size_t{4096}, std::size_t{1}})
        while (::write(fd, block.data(), size) == static_cast<ssize_t>(size)) {
        }
    const int err = errno;
    ::close(fd);
    ASSERT_EQ(err, ENOSPC);
}

} // namespace

TEST(FullFileSystem, FailedAppendIsReportedAndCutBack) {
    TestContext t;
    SmallTmpfs fs(t.dir.path());
    if (!fs.mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(fs.error())
                     << "); this test needs root or CAP_SYS_ADMIN";

    // 17 items end 101 bytes short of a page, 81 categories 46 bytes short: the next record
    // of each starts in a page that has room and must go on into one that cannot be had.
    cSourceItem s(t.ctx);
    s.lngCatID = 1;
    s.strQuantity = "1";
    s.strCost = "1.29";
    for (int i = 1; i <= 17; ++i) {
        s.strItem = QString("Item %1").arg(i);
        ASSERT_EQ(s.lngAddRecord(), i);
    }
    cCategory c(t.ctx);
    for (int i = 1; i <= 81; ++i) {
        c.strCategory = QString("Category %1").arg(i);
        ASSERT_EQ(c.lngAddRecord(), i);
    }
    const QByteArray items = readFile(t.srcFile());
    const QByteArray cats = readFile(t.catFile());
    ASSERT_EQ(items.size(), 17 * 235);
    ASSERT_EQ(cats.size(), 81 * 50);
    fillUp(t.path("filler"));
    ASSERT_TRUE(t.prompts.boxes.empty());

    s.strItem = "One too many";
    EXPECT_EQ(s.lngAddRecord(), 0);
    expectOneReport(t.prompts, "cSourceItem.lngAddRecord_Error: ", sysError(ENOSPC));
    EXPECT_EQ(readFile(t.srcFile()), items);

    c.strCategory = "One too many";
    EXPECT_EQ(c.lngAddRecord(), 0);
    expectOneReport(t.prompts, "cCategory.lngAddRecord_Error: ", sysError(ENOSPC));
    EXPECT_EQ(readFile(t.catFile()), cats);

    // Records already there are rewritten in place without asking for space.
    EXPECT_TRUE(s.blnSelectRecord(17, "3"));
    EXPECT_EQ(s.Calculate().toFixed(), "3.87");
    ASSERT_TRUE(c.blnDeleteRecord(81));
    c.strCategory = "Reused";
    EXPECT_EQ(c.lngAddRecord(), 81);
    EXPECT_TRUE(t.prompts.boxes.empty());
    EXPECT_EQ(QFile(t.catFile()).size(), 81 * 50);
}
