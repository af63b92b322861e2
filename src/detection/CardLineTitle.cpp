#include "detection/CardLineTitle.h"

#include "support/ByteCountFormatter.h"
#include "support/ShownText.h"

QString CardLineTitle::title(const DetectedCard &card)
{
    const QString separator = QStringLiteral(" \u2014 ");
    const QString name = ShownText::isolated(card.name);
    if (card.isEjected)
        return name + separator + QStringLiteral("ejected by the system, pull it out and reinsert");
    if (!card.isMounted())
        return name + separator + QStringLiteral("unmounted");
    if (!card.freeBytes)
        return name + separator + QStringLiteral("free space unknown");
    return name + separator + ByteCountFormatter::fileStyle(*card.freeBytes) + QStringLiteral(" free");
}
