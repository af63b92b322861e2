#include "app/SettingKeys.h"

#include <QCoreApplication>

#include <array>

namespace {

struct Switch {
    const char *key;
    bool AppSettings::*field;
};

constexpr std::array kSwitches {
    Switch { "paused", &AppSettings::paused },
    Switch { "handleCardsPresentAtLaunch", &AppSettings::handleCardsPresentAtLaunch },
    Switch { "showNotifications", &AppSettings::showNotifications },
    Switch { "showUnmountItems", &AppSettings::showUnmountItems },
    Switch { "mountInsertedCards", &AppSettings::mountInsertedCards },
};

const QString kReportWith = QStringLiteral("reportWith");

const Switch *findSwitch(const QString &key)
{
    for (const Switch &entry : kSwitches) {
        if (key == QLatin1String(entry.key))
            return &entry;
    }
    return nullptr;
}

QString mediumName(ReportMedium medium)
{
    return medium == ReportMedium::Desktop ? QStringLiteral("desktop") : QStringLiteral("panels");
}

} // namespace

QStringList SettingKeys::names()
{
    QStringList keys;
    for (const Switch &entry : kSwitches)
        keys.append(QString::fromLatin1(entry.key));
    keys.append(kReportWith);
    return keys;
}

std::optional<QString> SettingKeys::value(
    const AppSettings &settings, const QString &key, ReportMedium reportDefault)
{
    if (const Switch *entry = findSwitch(key))
        return settings.*(entry->field) ? QStringLiteral("true") : QStringLiteral("false");
    if (key == kReportWith)
        return mediumName(settings.reportWith.value_or(reportDefault));
    return std::nullopt;
}

std::optional<QString> SettingKeys::assign(AppSettings &settings, const QString &key, const QString &text)
{
    if (const Switch *entry = findSwitch(key)) {
        if (text != QLatin1String("true") && text != QLatin1String("false"))
            return QCoreApplication::translate("SettingKeys", "%1 takes true or false, not \"%2\"")
                .arg(key, text);
        settings.*(entry->field) = text == QLatin1String("true");
        return std::nullopt;
    }
    if (key == kReportWith) {
        if (text != QLatin1String("panels") && text != QLatin1String("desktop"))
            return QCoreApplication::translate("SettingKeys", "%1 takes panels or desktop, not \"%2\"")
                .arg(key, text);
        settings.reportWith = text == QLatin1String("desktop") ? ReportMedium::Desktop : ReportMedium::Panels;
        return std::nullopt;
    }
    return QCoreApplication::translate("SettingKeys", "unknown setting \"%1\"; the settings are: %2")
        .arg(key, names().join(QStringLiteral(", ")));
}
