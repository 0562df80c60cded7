#pragma once
// The per-user settings in QSettings: organization and application "Cartwise", group
// "general" ($XDG_CONFIG_HOME/Cartwise/Cartwise.conf).
#include "Settings.h"

#include <QSettings>
#include <memory>

namespace cw {

class QtSettings : public Settings {
public:
    QtSettings();
    // For tests: settings kept in an INI file of their own.
    explicit QtSettings(const QString& iniPath);
    QString get(const QString& key, const QString& defaultValue) const override;
    void save(const QString& key, const QString& value) override;
    void flush() override;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace cw
