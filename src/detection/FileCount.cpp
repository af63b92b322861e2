#include "detection/FileCount.h"

#include "platform/EntryAttributeSource.h"

#include <QFile>

int FileCount::regularFiles(const QString &folder, const EntryAttributeSource &files)
{
    using Source = EntryAttributeSource;
    if (folder.isEmpty() || folder.contains(QChar(u'\0')))
        return 0;
    const std::unique_ptr<Source::Listing> listing = files.list(QFile::encodeName(folder));
    if (!listing)
        return 0;
    int count = 0;
    while (listing->next()) {
        const QByteArrayView name = listing->name();
        if (name.isEmpty() || name.front() == '.')
            continue;
        switch (listing->typeHint()) {
        case Source::TypeHint::RegularFile:
            ++count;
            break;
        case Source::TypeHint::Unknown:
            if (const std::optional<Source::Attributes> attributes
                = listing->attributes(Source::IsRegularFile);
                attributes && attributes->isRegularFile)
                ++count;
            break;
        default:
            break;
        }
    }
    return count;
}
