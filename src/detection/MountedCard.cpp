#include "detection/MountedCard.h"

#include "support/LocalizedCompare.h"

#include <QDir>

QString MountedCard::path() const
{
    const QString local = url.toLocalFile();
    return local.isEmpty() ? local : QDir::cleanPath(local);
}

bool MountedCard::isOrderedBefore(const MountedCard &a, const MountedCard &b)
{
    const int order = LocalizedCompare::compare(a.name, b.name);
    if (order != 0)
        return order < 0;
    return a.url.path() < b.url.path();
}
