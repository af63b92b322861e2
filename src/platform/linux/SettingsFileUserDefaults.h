#pragma once

#include "platform/UserDefaults.h"

#include <QSettings>

/// User defaults in an INI file of their own ("defaults.ini" in the storage folder).
class SettingsFileUserDefaults final : public UserDefaults
{
public:
    explicit SettingsFileUserDefaults(const QString &filePath);

    /// The file in Mirvale's storage folder (~/.config/Mirvale/defaults.ini).
    static QString defaultFilePath();

    QVariant value(const QString &key) const override;
    void setValue(const QString &key, const QVariant &value) override;

private:
    mutable QSettings m_settings;
};
