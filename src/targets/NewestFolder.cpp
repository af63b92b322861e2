#include "targets/NewestFolder.h"

#include "targets/NewestEntryFinder.h"

std::optional<QUrl> NewestFolder::find(const QUrl &directory, Logger &log, const EntryAttributeSource &source)
{
    using Source = EntryAttributeSource;
    static const NewestEntryFinder::MatchTest isFolder
        = [](const Source::Attributes &a) { return !a.isHidden && !a.isSymbolicLink && a.isDirectory; };
    return NewestEntryFinder::find(directory,
        Source::IsDirectory | Source::IsSymbolicLink | Source::IsHidden | Source::CreationDate, isFolder,
        QStringLiteral("NewestFolder"), log, source);
}
