#include "platform/QtSettings.h"

#include "core/Failure.h"

#include <QCoreApplication>

namespace cw {

QtSettings::QtSettings()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Cartwise"),
                                             QStringLiteral("Cartwise"))) {}

QtSettings::QtSettings(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

QString QtSettings::get(const QString& key, const QString& defaultValue) const {
    const QVariant v = m_settings->value(key);
    return v.isValid() ? v.toString() : defaultValue;
}

void QtSettings::save(const QString& key, const QString& value) {
    m_settings->setValue(key, value);
    flush();
}

void QtSettings::flush() {
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError)
        throw Failure(
            QCoreApplication::translate("cw::QtSettings", "Could not write the settings file %1")
                .arg(m_settings->fileName()));
}

} // namespace cw
