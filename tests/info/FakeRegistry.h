#pragma once
// A registry holding raw values (bytes, stored size, type) and a launcher that records what
// it starts; both can be told to fail.
#include "platform/Registry.h"
#include "store/Failure.h"

#include <QSet>
#include <QStringList>
#include <cstring>
#include <map>
#include <vector>

namespace cw::test {

class FakeRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type;
        QByteArray bytes; // exactly the stored bytes; their count is the stored size
    };
    void put(const QByteArray& key, const QByteArray& name, QByteArray bytes,
             std::uint32_t type = REG_SZ_TYPE) {
        keys[key][name] = Value{type, std::move(bytes)};
    }
    void putText(const QByteArray& key, const QByteArray& name, const QByteArray& text) {
        put(key, name, text + QByteArray(1, '\0'));
    }

    long openKey(std::uint32_t root, const QByteArray& keyPath, std::uint32_t options,
                 std::uint32_t access, std::uintptr_t& handle) override {
        if (throwOnOpen) throw Failure("registry unavailable");
        opens.push_back({root, keyPath, options, access});
        auto it = keys.find(keyPath);
        if (root != HKEY_LOCAL_MACHINE_ROOT || it == keys.end()) return REG_FILE_NOT_FOUND;
        openKeys.push_back(keyPath);
        handle = openKeys.size(); // 1-based, never 0
        return REG_OK;
    }
    long queryValue(std::uintptr_t handle, const QByteArray& valueName, std::uint32_t& type,
                    char* buffer, std::uint32_t& size) override {
        const auto& values = keys.at(openKeys.at(handle - 1));
        auto it = values.find(valueName);
        if (it == values.end()) return REG_FILE_NOT_FOUND;
        const auto needed = static_cast<std::uint32_t>(it->second.bytes.size());
        const std::uint32_t offered = size;
        type = it->second.type;
        size = needed;
        if (needed > offered) return REG_MORE_DATA;
        std::memcpy(buffer, it->second.bytes.constData(), needed);
        return REG_OK;
    }
    long closeKey(std::uintptr_t handle) override {
        closed.push_back(handle);
        return REG_OK;
    }

    struct Open {
        std::uint32_t root;
        QByteArray path;
        std::uint32_t options, access;
    };
    std::map<QByteArray, std::map<QByteArray, Value>> keys;
    std::vector<Open> opens;
    std::vector<QByteArray> openKeys;
    std::vector<std::uintptr_t> closed;
    bool throwOnOpen = false;
};

class FakeLauncher : public Launcher {
public:
    bool fileExists(const QString& path) override {
        asked << path;
        return files.contains(path);
    }
    void start(const QString& path) override {
        if (failStart) throw Failure("cannot start");
        started << path;
    }
    QSet<QString> files;
    QStringList asked, started;
    bool failStart = false;
};

} // namespace cw::test
