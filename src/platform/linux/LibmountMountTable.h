#pragma once

#include "platform/MountTable.h"
#include "platform/linux/DescriptorWatch.h"

#include <memory>
#include <optional>

struct libmnt_monitor;

/// The kernel mount table, read with libmount and watched through its kernel monitor: the
/// process sleeps until the table changes, then the old and new tables are compared.
class LibmountMountTable final : public MountTable {
public:
    /// `mountInfoPath` is read for entries(); watching always follows the process's own table.
    explicit LibmountMountTable(QString mountInfoPath = QStringLiteral("/proc/self/mountinfo"));
    ~LibmountMountTable() override;

    QList<MountEntry> entries() const override;
    bool startWatching(Callback onMount, Callback onUnmount) override;
    void stopWatching() override;

    struct Changes {
        QStringList unmounted; ///< mount points, in the old table's order
        QStringList mounted; ///< mount points, in the new table's order
    };
    /// What happened between two readings: an entry whose mount id is gone, or now stands for
    /// another entry, was unmounted; an entry not in the old reading was mounted (so a quick
    /// remount at one point gives both).
    static Changes compare(const QList<MountEntry> &before, const QList<MountEntry> &after);

private:
    /// The table, or none when it cannot be read.
    std::optional<QList<MountEntry>> read() const;
    void tableChanged();

    const QString m_mountInfoPath;
    libmnt_monitor *m_monitor = nullptr;
    DescriptorWatch m_watch;
    std::optional<QList<MountEntry>> m_known; // none until the table could be read
    Callback m_onMount;
    Callback m_onUnmount;
};
