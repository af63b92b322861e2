#include "platform/linux/SettingsFileUserDefaults.h"

SettingsFileUserDefaults::SettingsFileUserDefaults(const QString &filePath)
    : m_settings(filePath, QSettings::IniFormat)
{
}

QVariant SettingsFileUserDefaults::value(const QString &key) const
{
    return m_settings.value(key);
}

void SettingsFileUserDefaults::setValue(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
    // QSettings replaces the file through a temporary one, so a crash never leaves half a file.
    m_settings.sync();
}
