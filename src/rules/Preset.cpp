#include "rules/Preset.h"

#include <QCoreApplication>

QString Presets::rawValue(Preset preset)
{
    switch (preset) {
    case Preset::Photos:
        return QStringLiteral("photos");
    case Preset::Avchd:
        return QStringLiteral("avchd");
    case Preset::Xavc:
        return QStringLiteral("xavc");
    }
    return {};
}

std::optional<Preset> Presets::fromRawValue(const QString &raw)
{
    for (Preset preset : allCases) {
        if (rawValue(preset) == raw)
            return preset;
    }
    return std::nullopt;
}

QString Presets::relativePath(Preset preset)
{
    switch (preset) {
    case Preset::Photos:
        return QStringLiteral("DCIM");
    case Preset::Avchd:
        return QStringLiteral("PRIVATE/AVCHD/BDMV/STREAM");
    case Preset::Xavc:
        return QStringLiteral("PRIVATE/M4ROOT/CLIP");
    }
    return {};
}

QString Presets::title(Preset preset)
{
    switch (preset) {
    case Preset::Photos:
        return QCoreApplication::translate("Presets", "Photos (DCIM)");
    case Preset::Avchd:
        return QCoreApplication::translate("Presets", "AVCHD video (PRIVATE/AVCHD/BDMV/STREAM)");
    case Preset::Xavc:
        return QCoreApplication::translate("Presets", "Sony XAVC (PRIVATE/M4ROOT/CLIP)");
    }
    return {};
}
