#include "app/CardReportText.h"

#include "support/ByteCountFormatter.h"
#include "support/ShownText.h"
#include "targets/TargetResolver.h"

#include <QStringList>

QString CardReportText::openedBody(
    const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount)
{
    // A folder or card name cannot reorder the words around it.
    QStringList parts { QStringLiteral("Opened ") + ShownText::isolated(TargetResolver::describe(target)) };
    if (fileCount)
        parts.append(QString::number(*fileCount)
            + (*fileCount == 1 ? QStringLiteral(" file") : QStringLiteral(" files")));
    if (card.freeBytes) {
        // No-break spaces keep "31.9 GB free" together when the panel wraps the line, so that
        // "free" never sits alone on a line of its own.
        QString size = ByteCountFormatter::fileStyle(*card.freeBytes, false);
        size.replace(QLatin1Char(' '), QChar(0x00A0));
        parts.append(size + QChar(0x00A0) + QStringLiteral("free"));
    }
    return parts.join(QStringLiteral(" \u00b7 "));
}
