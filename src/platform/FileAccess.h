#pragma once

#include <QByteArray>
#include <QString>

/// The file operations of the rules store, so that tests can make any of them fail.
/// Every operation throws FileError with a user-readable description on failure.
class FileAccess {
public:
    virtual ~FileAccess() = default;

    /// True when anything (file, folder, link) exists at the path.
    virtual bool exists(const QString &path) = 0;
    /// Creates the folder and its missing parents.
    virtual void createFolder(const QString &path) = 0;
    /// The whole file; refuses files larger than `maxBytes`.
    virtual QByteArray read(const QString &path, qint64 maxBytes) = 0;
    /// Replaces the file whole: a reader, or a crash at any moment, sees either the old
    /// content or the new, never part of it.
    virtual void writeAtomically(const QString &path, const QByteArray &data) = 0;
    /// Renames within one file system; refuses to replace an existing target.
    virtual void move(const QString &from, const QString &to) = 0;
    /// Removes what writeAtomically left behind for `fileName` in `folder` when the process was
    /// killed mid-write; returns how many were removed. Never throws. Call it before writing.
    virtual int removeStaleTemporaries(const QString &folder, const QString &fileName) = 0;
};
