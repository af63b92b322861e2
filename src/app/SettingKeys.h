#pragma once

#include "rules/AppSettings.h"

#include <QString>
#include <QStringList>

#include <optional>

/// The settings that `mirvalectl get` and `set` reach, by their settings.json keys, with
/// their values as text: "true"/"false", and "panels"/"desktop" for reportWith.
namespace SettingKeys {

/// The keys, in the order help lists them.
QStringList names();
/// The value of `key` in `settings` (reportWith's default resolved as `reportDefault`);
/// absent for a key that is not a setting.
std::optional<QString> value(const AppSettings &settings, const QString &key, ReportMedium reportDefault);
/// Sets `key` to `text` in `settings`; the reason when it cannot (unknown key, bad value).
std::optional<QString> assign(AppSettings &settings, const QString &key, const QString &text);

} // namespace SettingKeys
