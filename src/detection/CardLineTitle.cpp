#include "detection/CardLineTitle.h"

#include "support/ByteCountFormatter.h"

QString CardLineTitle::title(const DetectedCard &card)
{
    const QString separator = QStringLiteral(" \u2014 ");
    if (card.isEjected)
        return card.name + separator + QStringLiteral("ejected by the system, pull it out and reinsert");
    if (!card.isMounted())
        return card.name + separator + QStringLiteral("unmounted");
    if (!card.freeBytes)
        return card.name + separator + QStringLiteral("free space unknown");
    return card.name + separator + ByteCountFormatter::fileStyle(*card.freeBytes) + QStringLiteral(" free");
}
