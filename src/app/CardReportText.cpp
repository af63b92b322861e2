#include "app/CardReportText.h"

#include "support/ByteCountFormatter.h"
#include "support/ShownText.h"
#include "targets/TargetResolver.h"

#include <QCoreApplication>
#include <QStringList>

UserText CardReportText::openedBody(
    const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount)
{
    // A folder or card name cannot reorder the words around it.
    //: %1 is the folder that the file manager shows, such as "EOS_DIGITAL/DCIM/101CANON".
    QList<UserText> parts { UserText::translate("CardReportText", "Opened %1")
                                .arg(ShownText::isolated(TargetResolver::describe(target))) };
    if (fileCount)
        parts.append(UserText::translate("CardReportText", "%n files", nullptr, *fileCount));
    if (card.freeBytes) {
        // No-break spaces keep "31.9 GB free" together when the panel wraps the line, so that
        // "free" never sits alone on a line of its own.
        //: %1 is the card's free space, such as "31.9 GB".
        const UserText free = UserText::translate("CardReportText", "%1 free")
                                  .arg(ByteCountFormatter::fileStyleText(*card.freeBytes, false));
        parts.append(UserText::of(QString(free.shown()).replace(QLatin1Char(' '), QChar(0x00A0)),
            QString(free.english()).replace(QLatin1Char(' '), QChar(0x00A0))));
    }
    UserText body = parts.takeFirst();
    for (const UserText &part : std::as_const(parts))
        body = body + UserText::verbatim(QStringLiteral(" \u00b7 ")) + part;
    return body;
}
