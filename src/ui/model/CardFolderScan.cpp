#include "ui/model/CardFolderScan.h"

#include "platform/FolderLister.h"
#include "support/LocalizedCompare.h"

#include <algorithm>

namespace {

struct Walk {
    const FolderLister &lister;
    QString resolvedRoot;
    int maxDepth;
    const std::function<bool()> &isCancelled;
    QList<CardFolderScan::Entry> result;

    bool staysOnCard(const QString &linkPath) const
    {
        const std::optional<QString> target = lister.resolvedDirectory(linkPath);
        if (!target)
            return false;
        const QString prefix
            = resolvedRoot.endsWith(QLatin1Char('/')) ? resolvedRoot : resolvedRoot + QLatin1Char('/');
        return *target == resolvedRoot || target->startsWith(prefix);
    }

    void scan(const QString &directory, const QString &relative, int depth)
    {
        if (isCancelled && isCancelled())
            return;
        const std::optional<QList<FolderLister::Entry>> entries = lister.entries(directory);
        if (!entries)
            return;
        QStringList folders;
        for (const FolderLister::Entry &entry : *entries) {
            if (entry.name.isEmpty() || entry.name.startsWith(QLatin1Char('.')))
                continue;
            if (entry.kind == FolderLister::Kind::Directory)
                folders.append(entry.name);
            else if (entry.kind == FolderLister::Kind::SymbolicLink
                && staysOnCard(directory + QLatin1Char('/') + entry.name))
                folders.append(entry.name);
        }
        std::stable_sort(folders.begin(), folders.end(),
            [](const QString &a, const QString &b) { return LocalizedCompare::compare(a, b) < 0; });
        for (const QString &name : folders) {
            const QString path = relative.isEmpty() ? name : relative + QLatin1Char('/') + name;
            result.append({ path, depth });
            if (depth < maxDepth)
                scan(directory + QLatin1Char('/') + name, path, depth + 1);
        }
    }
};

} // namespace

QList<CardFolderScan::Entry> CardFolderScan::listDirectories(const FolderLister &lister,
    const QString &cardRoot, int maxDepth, const std::function<bool()> &isCancelled)
{
    // Links are judged against the root as the kernel sees it, so a card mounted below a
    // linked folder still counts as itself.
    const std::optional<QString> resolvedRoot = lister.resolvedDirectory(cardRoot);
    if (!resolvedRoot || maxDepth < 1)
        return {};
    QString root = cardRoot;
    while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    Walk walk { lister, *resolvedRoot, maxDepth, isCancelled, {} };
    walk.scan(root, QString(), 1);
    return walk.result;
}
