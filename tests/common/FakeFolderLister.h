#pragma once

#include "platform/FolderLister.h"

#include <QMap>
#include <QSet>

#include <condition_variable>
#include <mutex>

/// A small in-memory file tree of absolute paths: folders, files and links. A listing of one
/// chosen folder can be held until the test lets it go, so a test can change things while a
/// walk is under way.
class FakeFolderLister final : public FolderLister {
public:
    void addFolder(const QString &path); ///< with its parents
    void addFile(const QString &path);
    void addLink(const QString &path, const QString &target);
    /// Removes the path and everything below it (a card pulled out).
    void remove(const QString &path);
    /// Listing `directory` fails, as an unreadable folder does.
    void makeUnreadable(const QString &directory);

    /// The next listing of `directory` waits until release().
    void holdListing(const QString &directory);
    /// Waits (up to a few seconds) until a listing is being held; false if none came.
    bool waitUntilHeld();
    void release();

    std::optional<QList<Entry>> entries(const QString &directory) const override;
    std::optional<QString> resolvedDirectory(const QString &path) const override;

private:
    enum class Type { Folder, File, Link };
    struct Node {
        Type type = Type::Folder;
        QString target;
    };

    std::optional<QString> resolveLocked(const QString &path) const;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    QMap<QString, Node> m_nodes;
    QSet<QString> m_unreadable;
    QString m_held;
    mutable bool m_isHolding = false;
    bool m_released = false;
};
