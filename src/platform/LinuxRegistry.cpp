#include "platform/LinuxRegistry.h"

#include "core/CodePage.h"

#include <QStandardPaths>
#include <cstring>

namespace cw {

namespace {

// The one key this registry knows, and its only value.
const char* const kInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kInfoValue = "PATH";
constexpr std::uintptr_t kInfoHandle = 1;

} // namespace

LinuxRegistry::LinuxRegistry(QStringList candidates, QStringList searchPaths)
    : m_candidates(std::move(candidates)), m_searchPaths(std::move(searchPaths)) {}

QStringList LinuxRegistry::defaultCandidates() {
    return {QStringLiteral("hardinfo2"),
            QStringLiteral("hardinfo"),
            QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor"),
            QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager"),
            QStringLiteral("lxtask")};
}

QString LinuxRegistry::systemInfoProgram() const {
    for (const QString& name : m_candidates) {
        const QString path = QStandardPaths::findExecutable(name, m_searchPaths);
        if (!path.isEmpty()) return path;
    }
    return QString();
}

long LinuxRegistry::openKey(std::uint32_t root, const QByteArray& keyPath, std::uint32_t,
                            std::uint32_t, std::uintptr_t& handle) {
    handle = 0;
    // Key names compare without regard to case, as in the registry itself.
    if (root != HKEY_LOCAL_MACHINE_ROOT || keyPath.compare(kInfoKey, Qt::CaseInsensitive) != 0)
        return REG_FILE_NOT_FOUND;
    // Without an installed tool the key does not exist.
    if (systemInfoProgram().isEmpty()) return REG_FILE_NOT_FOUND;
    handle = kInfoHandle;
    return REG_OK;
}

long LinuxRegistry::queryValue(std::uintptr_t handle, const QByteArray& valueName,
                               std::uint32_t& type, char* buffer, std::uint32_t& size) {
    if (handle != kInfoHandle) return REG_INVALID_HANDLE;
    if (valueName.compare(kInfoValue, Qt::CaseInsensitive) != 0) return REG_FILE_NOT_FOUND;
    const QString program = systemInfoProgram();
    if (program.isEmpty()) return REG_FILE_NOT_FOUND;

    // A text value as the registry stores it: the bytes and their terminating zero.
    QByteArray value = toCp1252(program);
    value.append('\0');
    const auto needed = static_cast<std::uint32_t>(value.size());
    const std::uint32_t offered = size;
    type = REG_SZ_TYPE;
    size = needed;
    if (!buffer) return REG_OK;
    if (offered < needed) return REG_MORE_DATA;
    std::memcpy(buffer, value.constData(), needed);
    return REG_OK;
}

long LinuxRegistry::closeKey(std::uintptr_t handle) {
    return handle == kInfoHandle ? REG_OK : REG_INVALID_HANDLE;
}

} // namespace cw
