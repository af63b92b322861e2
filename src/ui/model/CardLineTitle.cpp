#include "ui/model/CardLineTitle.h"

#include "support/ByteCountFormatter.h"

QString CardLineTitle::title(const DetectedCard &card)
{
    const QString dash = QStringLiteral(" \u2014 ");
    if (!card.isMounted())
        return card.name + dash + QStringLiteral("unmounted");
    if (!card.freeBytes)
        return card.name + dash + QStringLiteral("free space unknown");
    return card.name + dash + ByteCountFormatter::fileStyle(*card.freeBytes) + QStringLiteral(" free");
}
