#include "common/TestCards.h"

MountedCard TestCards::mountedAt(const QString &name, const QString &path)
{
    MountedCard made;
    made.name = name;
    made.url = QUrl::fromLocalFile(path);
    return made;
}
