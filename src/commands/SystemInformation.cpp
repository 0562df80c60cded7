#include "commands/SystemInformation.h"

#include "core/CodePage.h"
#include "core/Context.h"
#include "core/Prompts.h"
#include "core/Trap.h"
#include "platform/Registry.h"

#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>

namespace cw {

namespace {

const char* const kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kPathValue = "PATH";
const char* const kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char* const kLocationValue = "MSINFO";
const char* const kProgramFile = "/MSINFO32.EXE";

constexpr std::uint32_t kBufferSize = 1024;

// Starts the program the PATH value names, else MSINFO32.EXE in the folder the location value
// names if that file exists; false when neither gave one to start. Failures of the registry
// or the launcher pass on to the caller.
bool startFromRegistry(Context& ctx) {
    if (!ctx.registry || !ctx.launcher) return false;
    QString value;
    if (readRegistryText(*ctx.registry, HKEY_LOCAL_MACHINE_ROOT, QString::fromLatin1(kPathKey),
                         QString::fromLatin1(kPathValue), value)) {
        ctx.launcher->start(value);
        return true;
    }
    if (!readRegistryText(*ctx.registry, HKEY_LOCAL_MACHINE_ROOT, QString::fromLatin1(kLocationKey),
                          QString::fromLatin1(kLocationValue), value))
        return false;
    const QString program = value + QString::fromLatin1(kProgramFile);
    if (!ctx.launcher->fileExists(program)) return false;
    ctx.launcher->start(program);
    return true;
}

} // namespace

bool readRegistryText(Registry& registry, std::uint32_t root, const QString& keyName,
                      const QString& valueName, QString& text) noexcept {
    std::uintptr_t handle = 0;
    bool opened = false;
    try {
        if (registry.openKey(root, toCp1252(keyName), 0, KEY_LOOKUP_ACCESS, handle) != REG_OK) {
            text = QString();
            return false;
        }
        opened = true;

        QByteArray buffer(kBufferSize, '\0');
        std::uint32_t size = kBufferSize;
        std::uint32_t type = 0;
        if (registry.queryValue(handle, toCp1252(valueName), type, buffer.data(), size) != REG_OK) {
            text = QString();
            skip([&] { registry.closeKey(handle); });
            return false;
        }

        // A well-behaved registry never reports more than it was offered; do not read past
        // the buffer if one does.
        int length = static_cast<int>(std::min(size, kBufferSize));
        if (length > 0 && buffer.at(length - 1) == '\0') --length;
        // Only text values carry a text; others are found but give no text.
        text = type == REG_SZ_TYPE ? fromCp1252(buffer.constData(), length) : QString();
        skip([&] { registry.closeKey(handle); });
        return true;
    } catch (...) {
        skip([&] { text = QString(); });
        if (opened) skip([&] { registry.closeKey(handle); });
        return false;
    }
}

void startSystemInformation(Context& ctx) noexcept {
    bool started = false;
    skip([&] { started = startFromRegistry(ctx); });
    if (started) return;
    skip([&] {
        if (ctx.prompts)
            ctx.prompts->message(
                QCoreApplication::translate("cw::SystemInformation",
                                            "System Information Is Unavailable At This Time"),
                MsgButtons::Ok, MsgIcon::None, appTitle());
    });
}

} // namespace cw
