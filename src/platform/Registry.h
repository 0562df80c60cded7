#pragma once
// A small stand-in for the system registry: the calls the about box needs to find the
// system information program. Return codes follow the registry's own: 0 means success.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace cw {

constexpr std::uint32_t HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;
constexpr long REG_OK = 0;
constexpr long REG_FILE_NOT_FOUND = 2;
constexpr long REG_INVALID_HANDLE = 6;
constexpr long REG_MORE_DATA = 234;
constexpr std::uint32_t REG_SZ_TYPE = 1;

class Registry {
public:
    virtual ~Registry() = default;
    virtual long openKey(std::uint32_t root, const QByteArray& keyPath, std::uint32_t options,
                         std::uint32_t access, std::uintptr_t& handle) = 0;
    // Sets `type` and `size` to the value's type and its stored size in bytes (a text value's
    // terminating zero counts when it was stored with one). The value is copied into `buffer`
    // when it fits into the `size` bytes offered; a value that does not fit copies nothing and
    // answers REG_MORE_DATA. A null `buffer` only asks for type and size.
    virtual long queryValue(std::uintptr_t handle, const QByteArray& valueName, std::uint32_t& type,
                            char* buffer, std::uint32_t& size) = 0;
    virtual long closeKey(std::uintptr_t handle) = 0;
};

// Starts other programs (detached) and answers whether a file exists.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool fileExists(const QString& path) = 0;
    // Starts the program at `path`, as it stands, without arguments and without waiting for
    // it. Throws cw::Failure when the program cannot be started.
    virtual void start(const QString& path) = 0;
};

} // namespace cw
