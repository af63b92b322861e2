#pragma once

#include <QList>
#include <QString>

#include <optional>

/// Reads a directory's immediate entries for the card browser. Safe to call from any thread.
class FolderLister {
public:
    enum class Kind { Directory, SymbolicLink, Other };

    struct Entry {
        QString name;
        Kind kind = Kind::Other; ///< as the entry itself is, links not followed
    };

    virtual ~FolderLister() = default;

    /// The entries directly in the absolute `directory`, in no particular order, without "."
    /// and ".."; none when it cannot be read (gone, no permission, the card was pulled).
    virtual std::optional<QList<Entry>> entries(const QString &directory) const = 0;

    /// The absolute path with every link resolved, when it exists and is a directory.
    virtual std::optional<QString> resolvedDirectory(const QString &path) const = 0;
};
