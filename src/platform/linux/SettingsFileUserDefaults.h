#pragma once

#include "platform/UserDefaults.h"

#include <QSettings>

/// User defaults in an INI file of their own; the wiring puts it in the storage folder
/// (~/.config/Mirvale/defaults.ini).
class SettingsFileUserDefaults final : public UserDefaults {
public:
    explicit SettingsFileUserDefaults(const QString &filePath);

    QVariant value(const QString &key) const override;
    void setValue(const QString &key, const QVariant &value) override;

private:
    mutable QSettings m_settings;
};
