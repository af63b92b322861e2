#include "app/SnapshotOptions.h"

#include <QFileInfo>

std::optional<QString> SnapshotOptions::outputPath(const QStringList &arguments)
{
    const qsizetype flag = arguments.indexOf(QStringLiteral("--snapshot-settings"));
    if (flag < 0 || flag + 1 >= arguments.size())
        return std::nullopt;
    return arguments.at(flag + 1);
}

bool SnapshotOptions::wantsLight(const QStringList &arguments)
{
    return arguments.contains(QStringLiteral("light"));
}

bool SnapshotOptions::rulesFileExists(const QString &storageFolder)
{
    return QFileInfo::exists(storageFolder + QStringLiteral("/rules.json"));
}

QString SnapshotOptions::noRulesFileLine()
{
    return QStringLiteral(
        "Snapshot mode: no rules.json here, rendering an empty rule table (no rules or settings written).");
}
