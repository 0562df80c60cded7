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
constexpr std::uint32_t REG_SZ_TYPE = 1;

class Registry {
public:
    virtual ~Registry() = default;
    virtual long openKey(std::uint32_t root, const QByteArray& keyPath, std::uint32_t options,
                         std::uint32_t access, std::uintptr_t& handle) = 0;
    // Copies at most `size` bytes of the value into `buffer`, sets `type` and `size` to the
    // value's type and its stored size in bytes.
    virtual long queryValue(std::uintptr_t handle, const QByteArray& valueName,
                            std::uint32_t& type, char* buffer, std::uint32_t& size) = 0;
    virtual long closeKey(std::uintptr_t handle) = 0;
};

// Starts other programs (detached) and answers whether a file exists.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool fileExists(const QString& path) = 0;
    // Throws cw::Failure when the program cannot be started.
    virtual void start(const QString& path) = 0;
};

} // namespace cw
