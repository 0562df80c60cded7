#pragma once
// The per-user settings in QSettings: organization and application "Cartwise", in
// $XDG_CONFIG_HOME/Cartwise/Cartwise.conf. The keys stand at the top level, which the file
// holds as its one section "[General]" (a section written "[general]" by hand reads the same).
// A group named "general" would not do: QSettings writes it as "[%General]" and does not read
// that back as the same group.
#include "platform/Settings.h"

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
