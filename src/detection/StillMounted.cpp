#include "detection/StillMounted.h"

#include <QDir>

bool isStillMounted(const MountTable &table, const MountedCard &card)
{
    const QString path = QDir::cleanPath(card.url.toLocalFile());
    const QList<MountEntry> entries = table.entries();
    return std::any_of(entries.cbegin(), entries.cend(),
        [&path](const MountEntry &entry) { return QDir::cleanPath(entry.mountPoint) == path; });
}
