#pragma once

#include <QList>
#include <QString>

#include <functional>

class FolderLister;

/// The folders of a card, two levels deep, in the order the card browser lists them.
namespace CardFolderScan {

struct Entry {
    QString path; ///< relative to the card's root, components joined by "/"
    int depth = 1; ///< 1 for a folder in the root, 2 for one inside those

    friend bool operator==(const Entry &, const Entry &) = default;
};

/// Walks `cardRoot` depth first: each level sorted like the file manager sorts names, a
/// folder's subfolders right after it. Hidden entries and files are left out, and so is any
/// link that does not lead to a folder on the same card. A directory that cannot be read
/// contributes nothing. `isCancelled` is asked between directories; when it answers true the
/// walk stops with what it has.
QList<Entry> listDirectories(const FolderLister &lister, const QString &cardRoot, int maxDepth = 2,
    const std::function<bool()> &isCancelled = {});

} // namespace CardFolderScan
