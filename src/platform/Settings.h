#pragma once
// Per-user text settings of the program, section "general".
#include <QString>

namespace cw {

class Settings {
public:
    virtual ~Settings() = default;
    virtual QString get(const QString& key, const QString& defaultValue) const = 0;
    // Stores the value; throws cw::Failure when the store cannot be written.
    virtual void save(const QString& key, const QString& value) = 0;
    // Makes sure everything saved so far is on disk.
    virtual void flush() = 0;
};

} // namespace cw
