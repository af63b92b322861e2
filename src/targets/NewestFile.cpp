#include "targets/NewestFile.h"

#include "targets/NewestEntryFinder.h"

std::optional<QUrl> NewestFile::find(const QUrl &directory, Logger &log, const EntryAttributeSource &source)
{
    using Source = EntryAttributeSource;
    static const NewestEntryFinder::MatchTest isFile = [](const Source::Attributes &a) {
        return !a.isHidden && !a.isSymbolicLink && a.isRegularFile && !a.isDirectory;
    };
    return NewestEntryFinder::find(directory,
        Source::IsDirectory | Source::IsRegularFile | Source::IsHidden | Source::IsSymbolicLink
            | Source::CreationDate,
        isFile, QStringLiteral("NewestFile"), log, source);
}
