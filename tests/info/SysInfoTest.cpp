// Reading registry values and starting the system information program.
#include "info/SysInfo.h"
#include "FakeRegistry.h"
#include "TestContext.h"

#include <gtest/gtest.h>
#include <utility>

namespace cw::test {
namespace {

const QByteArray kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kKey = QStringLiteral("SOFTWARE\\Test");

// Looks a value up under kKey; the result tells whether it was found.
std::pair<bool, QString> lookup(FakeRegistry& reg, const char* name) {
    QString value = QStringLiteral("left over");
    const bool found =
        GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, kKey, QString::fromLatin1(name), value);
    return {found, value};
}
std::pair<bool, QString> stored(const QByteArray& bytes, std::uint32_t type = REG_SZ_TYPE) {
    FakeRegistry reg;
    reg.put(kKey.toLatin1(), "v", bytes, type);
    return lookup(reg, "v");
}
using Found = std::pair<bool, QString>;

TEST(GetKeyValue, TextWithAndWithoutItsTerminatingZero) {
    EXPECT_EQ(stored(QByteArray("/usr/bin/tool\0", 14)), Found(true, "/usr/bin/tool"));
    EXPECT_EQ(stored("/usr/bin/tool"), Found(true, "/usr/bin/tool"));
    EXPECT_EQ(stored(QByteArray("ab\0\0", 4)), Found(true, QString::fromLatin1("ab\0", 3)));
    EXPECT_EQ(stored(QByteArray()), Found(true, ""));
    EXPECT_EQ(stored(QByteArray(1024, 'x')).second.size(), 1024); // fills the buffer exactly
    EXPECT_EQ(stored(QByteArray(1025, 'x')), Found(false, ""));   // does not fit
    EXPECT_EQ(stored("caf\xe9"), Found(true, QString::fromUtf8("caf\xc3\xa9")));
    EXPECT_EQ(stored(QByteArray("\x01\0\0\0", 4), 4), Found(true, "")); // not text
}

TEST(GetKeyValue, MissingKeyOrValueAndTheCallsMade) {
    FakeRegistry reg;
    reg.put(kKey.toLatin1(), "v", "x");
    EXPECT_EQ(lookup(reg, "v"), Found(true, "x"));
    ASSERT_EQ(reg.opens.size(), 1u);
    EXPECT_EQ(reg.opens[0].root, 0x80000002u);
    EXPECT_EQ(reg.opens[0].path, kKey);
    EXPECT_EQ(reg.opens[0].options, 0u);
    EXPECT_EQ(reg.opens[0].access, 0x2003Fu);
    EXPECT_EQ(lookup(reg, "other"), Found(false, ""));
    EXPECT_EQ(reg.closed, (std::vector<std::uintptr_t>{1, 2}));

    FakeRegistry empty;
    EXPECT_EQ(lookup(empty, "v"), Found(false, ""));
    EXPECT_TRUE(empty.closed.empty()); // nothing was opened
    empty.throwOnOpen = true;
    EXPECT_EQ(lookup(empty, "v"), Found(false, ""));
}

class StartSysInfoTest : public ::testing::Test {
protected:
    StartSysInfoTest() {
        t.ctx.registry = &reg;
        t.ctx.launcher = &launcher;
    }
    void expectUnavailable() {
        ASSERT_EQ(t.prompts.boxes.size(), 1u);
        const Box& box = t.prompts.boxes[0];
        EXPECT_EQ(box.text, QStringLiteral("System Information Is Unavailable At This Time"));
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.icon, MsgIcon::None);
        EXPECT_EQ(box.caption, QStringLiteral("Cartwise"));
    }
    TestContext t;
    FakeRegistry reg;
    FakeLauncher launcher;
};

TEST_F(StartSysInfoTest, ThePathValueIsStartedAsItStands) {
    reg.putText(kPathKey, "PATH", "/opt/sys info/tool");
    StartSysInfo(t.ctx);
    EXPECT_EQ(launcher.started, QStringList{"/opt/sys info/tool"});
    EXPECT_TRUE(launcher.asked.isEmpty());
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST_F(StartSysInfoTest, TheDirectoryValueIsUsedOnlyWhenItHoldsTheProgram) {
    reg.putText(kLocationKey, "MSINFO", "/opt/info");
    StartSysInfo(t.ctx);
    EXPECT_EQ(launcher.asked, QStringList{"/opt/info/MSINFO32.EXE"});
    EXPECT_TRUE(launcher.started.isEmpty());
    expectUnavailable();

    t.prompts.clear();
    launcher.files << QStringLiteral("/opt/info/MSINFO32.EXE");
    StartSysInfo(t.ctx);
    EXPECT_EQ(launcher.started, QStringList{"/opt/info/MSINFO32.EXE"});
    EXPECT_TRUE(t.prompts.boxes.empty());
}

TEST_F(StartSysInfoTest, NothingFoundOrAnyFailureShowsTheMessage) {
    StartSysInfo(t.ctx);
    expectUnavailable();

    t.prompts.clear();
    reg.putText(kPathKey, "PATH", "/usr/bin/tool");
    launcher.failStart = true;
    StartSysInfo(t.ctx);
    expectUnavailable();

    t.prompts.clear();
    reg.throwOnOpen = true;
    StartSysInfo(t.ctx);
    expectUnavailable();

    t.prompts.clear();
    t.ctx.registry = nullptr;
    StartSysInfo(t.ctx);
    expectUnavailable();
}

} // namespace
} // namespace cw::test
