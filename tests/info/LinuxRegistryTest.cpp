// The registry answered from installed programs, and the real launcher.
#include "platform/LinuxRegistry.h"
#include "FakeRegistry.h"
#include "TestContext.h"
#include "info/SysInfo.h"
#include "platform/QtLauncher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace cw::test {
namespace {

const QString kPathKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");

void makeFile(const QString& path, const QByteArray& content, bool executable) {
    writeFile(path, content);
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
    if (executable) p |= QFile::ExeOwner;
    QFile::setPermissions(path, p);
}

TEST(LinuxRegistry, AnswersThePathOfTheFirstInstalledCandidate) {
    QTemporaryDir bin;
    makeFile(bin.filePath("second"), "", true);
    makeFile(bin.filePath("third"), "", true);
    makeFile(bin.filePath("first"), "", false); // present but not runnable
    LinuxRegistry reg({"first", "second", "third"}, {bin.path()});

    QString value;
    ASSERT_TRUE(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, kPathKey, "PATH", value));
    EXPECT_EQ(value, bin.filePath("second"));
    // Key names compare without regard to case.
    EXPECT_TRUE(GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, kPathKey.toLower(), "path", value));

    // Stored as text with its terminating zero counted; too small a buffer gets nothing.
    std::uintptr_t h = 0;
    ASSERT_EQ(reg.openKey(HKEY_LOCAL_MACHINE_ROOT, kPathKey.toLatin1(), 0, 0x2003F, h), REG_OK);
    std::uint32_t type = 0, size = 4;
    char small[4] = {};
    EXPECT_EQ(reg.queryValue(h, "PATH", type, small, size), REG_MORE_DATA);
    EXPECT_EQ(size, static_cast<std::uint32_t>(bin.filePath("second").size() + 1));

    // The directory lookup, other keys and roots, and a system without a tool: not found.
    for (const char* key : {"SOFTWARE\\Microsoft\\Shared Tools Location", "SOFTWARE"})
        EXPECT_EQ(reg.openKey(HKEY_LOCAL_MACHINE_ROOT, key, 0, 0x2003F, h), REG_FILE_NOT_FOUND);
    EXPECT_EQ(reg.openKey(0x80000001u, kPathKey.toLatin1(), 0, 0x2003F, h), REG_FILE_NOT_FOUND);
    LinuxRegistry none({"not-installed-here"}, {bin.path()});
    EXPECT_EQ(none.openKey(HKEY_LOCAL_MACHINE_ROOT, kPathKey.toLatin1(), 0, 0x2003F, h),
              REG_FILE_NOT_FOUND);
}

TEST(QtLauncher, StartsAProgramDetachedAndFailsOnAMissingOne) {
    QTemporaryDir dir;
    const QString marker = dir.filePath("ran");
    const QString script = dir.filePath("tool with space");
    makeFile(script, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n", true);
    QtLauncher launcher;
    EXPECT_TRUE(launcher.fileExists(script));
    EXPECT_FALSE(launcher.fileExists(dir.path())); // a directory is no file
    EXPECT_FALSE(launcher.fileExists(dir.filePath("missing")));

    launcher.start(script);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));

    EXPECT_THROW(launcher.start(dir.filePath("missing")), Failure);
    EXPECT_THROW(launcher.start(QString()), Failure);
}

TEST(QtLauncher, StartSysInfoReportsAProgramThatWillNotStart) {
    QTemporaryDir bin;
    makeFile(bin.filePath("broken"), "", true); // runnable, but not a program
    LinuxRegistry reg({"broken"}, {bin.path()});
    QtLauncher launcher;
    TestContext t;
    t.ctx.registry = &reg;
    t.ctx.launcher = &launcher;
    StartSysInfo(t.ctx);
    EXPECT_EQ(t.prompts.messages(),
              std::vector<QString>{"System Information Is Unavailable At This Time"});
}

} // namespace
} // namespace cw::test
