#include "platform/linux/SettingsFileUserDefaults.h"

#include <QDir>

SettingsFileUserDefaults::SettingsFileUserDefaults(const QString &filePath)
    : m_settings(filePath, QSettings::IniFormat)
{
}

QString SettingsFileUserDefaults::defaultFilePath()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Mirvale/defaults.ini");
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
