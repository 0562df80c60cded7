// Reading registry values, and finding and starting the system information program.
#include "commands/SysInfo.h"
#include "TestContext.h"
#include "core/Failure.h"
#include "platform/LinuxRegistry.h"
#include "platform/QtLauncher.h"

#include <QFile>
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>
#include <utility>

namespace cw::test {
namespace {

const QByteArray kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kDirKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// Text values stored as raw bytes (their count is the stored size). Only the directory
// "/opt/info" holds the program; a program named "broken" will not start.
struct FakeSystem : Registry, Launcher {
    std::map<QByteArray, std::map<QByteArray, QByteArray>> keys;
    QByteArray current;
    QStringList started;
    long openKey(std::uint32_t root, const QByteArray& path, std::uint32_t, std::uint32_t,
                 std::uintptr_t& handle) override {
        if (root != HKEY_LOCAL_MACHINE_ROOT || !keys.count(path)) return REG_FILE_NOT_FOUND;
        current = path;
        handle = 1;
        return REG_OK;
    }
    long queryValue(std::uintptr_t, const QByteArray& name, std::uint32_t& type, char* buffer,
                    std::uint32_t& size) override {
        if (!keys[current].count(name)) return REG_FILE_NOT_FOUND;
        const QByteArray& bytes = keys[current][name];
        const auto offered = std::exchange(size, static_cast<std::uint32_t>(bytes.size()));
        type = REG_SZ_TYPE;
        if (size > offered) return REG_MORE_DATA;
        std::memcpy(buffer, bytes.constData(), size);
        return REG_OK;
    }
    long closeKey(std::uintptr_t) override { return REG_OK; }
    bool fileExists(const QString& path) override { return path == "/opt/info/MSINFO32.EXE"; }
    void start(const QString& path) override {
        if (path.contains("broken")) throw Failure("cannot start");
        started << path;
    }
};

using Found = std::pair<bool, QString>;
Found lookup(Registry& reg, const QString& key, const QString& name) {
    QString value = QStringLiteral("left over");
    // A braced list is evaluated in order: the value is taken after the lookup.
    return {GetKeyValue(reg, HKEY_LOCAL_MACHINE_ROOT, key, name, value), value};
}

TEST(GetKeyValue, TextWithOrWithoutItsZeroAndNothingForAMissingKeyOrValue) {
    const std::pair<QByteArray, Found> rows[] = {
        {QByteArray("/usr/bin/tool\0", 14), {true, "/usr/bin/tool"}},
        {"/usr/bin/tool", {true, "/usr/bin/tool"}},
        {QByteArray(1024, 'x'), {true, QString(1024, 'x')}}, // fills the buffer
        {QByteArray(1025, 'x'), {false, ""}},                // does not fit
        {"caf\xe9", {true, QString::fromUtf8("caf\xc3\xa9")}},
    };
    for (const auto& [stored, expected] : rows) {
        FakeSystem reg;
        reg.keys["SOFTWARE\\Test"]["v"] = stored;
        EXPECT_EQ(lookup(reg, "SOFTWARE\\Test", "v"), expected) << stored.left(16).data();
        EXPECT_EQ(lookup(reg, "SOFTWARE\\Test", "w"), Found(false, ""));
        EXPECT_EQ(lookup(reg, "SOFTWARE\\Other", "v"), Found(false, ""));
    }
}

TEST(StartSysInfo, StartsThePathValueElseTheProgramInTheDirectoryElseSaysItIsUnavailable) {
    const std::tuple<QByteArray, QByteArray, QString> rows[] = {
        // The path value, the directory value, what is started ("": the message instead).
        {"/opt/sys info/tool", "", "/opt/sys info/tool"},
        {"/opt/sys info/tool", "/opt/info", "/opt/sys info/tool"},
        {"", "/opt/info", "/opt/info/MSINFO32.EXE"},
        {"", "/opt/empty", ""},
        {"", "", ""},
        {"/opt/broken", "", ""},
    };
    for (const auto& [path, dir, started] : rows) {
        TestContext t;
        FakeSystem sys;
        t.ctx.registry = &sys;
        t.ctx.launcher = &sys;
        if (!path.isEmpty()) sys.keys[kPathKey]["PATH"] = path + '\0';
        if (!dir.isEmpty()) sys.keys[kDirKey]["MSINFO"] = dir + '\0';
        StartSysInfo(t.ctx);
        EXPECT_EQ(sys.started.join('|'), started) << path.data() << '|' << dir.data();
        ASSERT_EQ(t.prompts.boxes.size(), started.isEmpty() ? 1u : 0u);
        for (const Box& b : t.prompts.boxes)
            EXPECT_EQ(std::tie(b.text, b.caption, b.icon, b.buttons),
                      std::make_tuple(QString("System Information Is Unavailable At This Time"),
                                      QString("Cartwise"), MsgIcon::None, MsgButtons::Ok));
    }
}

// The registry answered from the tools on PATH, started by the real launcher.
TEST(LinuxRegistry, AnswersTheFirstToolFoundOnPathOrNothing) {
    QTemporaryDir bin;
    const QString tool = bin.filePath("cw-tool"), marker = bin.filePath("ran");
    writeFile(tool, "#!/bin/sh\ntouch '" + marker.toUtf8() + "'\n");
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ':' + oldPath);
    LinuxRegistry reg({"cw-missing", "cw-tool"}), none({"cw-missing"});
    EXPECT_EQ(lookup(reg, kPathKey.toLower(), "path"), Found(true, tool));
    EXPECT_EQ(lookup(reg, kDirKey, "MSINFO"), Found(false, ""));
    EXPECT_EQ(lookup(none, kPathKey, "PATH"), Found(false, ""));
    QtLauncher().start(lookup(reg, kPathKey, "PATH").second);
    qputenv("PATH", oldPath);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
    EXPECT_THROW(QtLauncher().start(bin.filePath("cw-missing")), Failure);
}

} // namespace
} // namespace cw::test
