#pragma once

#include <QList>
#include <QString>

#include <functional>

/// One mounted file system as the kernel's mount table lists it.
struct MountEntry {
    int id = 0; ///< the table's mount id; a remount at the same point gets a new one
    QString mountPoint; ///< unescaped absolute path
    QString fsType; ///< "vfat", "exfat", "fuseblk", "nfs4", ...
    QString source; ///< "/dev/loop0", "server:/share", ...
    unsigned major = 0; ///< the device number the table reports (anonymous for FUSE)
    unsigned minor = 0;

    friend bool operator==(const MountEntry &, const MountEntry &) = default;
};

/// The system's mounted volumes, and word of volumes being mounted and unmounted.
class MountTable {
public:
    /// Called on the main thread with the mount point; an empty path means "something
    /// changed, but which volume is unknown".
    using Callback = std::function<void(const QString &mountPoint)>;

    virtual ~MountTable() = default;

    /// The current mounts, in table order. Any thread.
    virtual QList<MountEntry> entries() const = 0;

    /// Starts reporting mounts and unmounts on the main thread. Returns false when the table
    /// cannot be watched.
    virtual bool startWatching(Callback onMount, Callback onUnmount) = 0;
    /// Stops reporting; no callback runs after it returns.
    virtual void stopWatching() = 0;
};
