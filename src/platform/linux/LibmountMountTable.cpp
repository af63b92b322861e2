#include "platform/linux/LibmountMountTable.h"

#include <QFile>
#include <QHash>

#include <libmount/libmount.h>
#include <sys/sysmacros.h>

namespace {

QString text(const char *value)
{
    return value ? QFile::decodeName(value) : QString();
}

} // namespace

LibmountMountTable::LibmountMountTable(QString mountInfoPath)
    : m_mountInfoPath(std::move(mountInfoPath))
{
}

LibmountMountTable::~LibmountMountTable()
{
    stopWatching();
}

QList<MountEntry> LibmountMountTable::entries() const
{
    return read().value_or(QList<MountEntry>());
}

std::optional<QList<MountEntry>> LibmountMountTable::read() const
{
    QList<MountEntry> result;
    // A table of its own per call, so readers on different threads never share state.
    libmnt_table *table = mnt_new_table_from_file(QFile::encodeName(m_mountInfoPath).constData());
    if (!table)
        return std::nullopt;
    libmnt_iter *iterator = mnt_new_iter(MNT_ITER_FORWARD);
    libmnt_fs *fs = nullptr;
    while (iterator && mnt_table_next_fs(table, iterator, &fs) == 0) {
        MountEntry entry;
        entry.id = mnt_fs_get_id(fs);
        entry.mountPoint = text(mnt_fs_get_target(fs));
        entry.fsType = text(mnt_fs_get_fstype(fs));
        entry.source = text(mnt_fs_get_source(fs));
        const dev_t device = mnt_fs_get_devno(fs);
        entry.major = major(device);
        entry.minor = minor(device);
        if (!entry.mountPoint.isEmpty())
            result.append(entry);
    }
    mnt_free_iter(iterator);
    mnt_unref_table(table);
    return result;
}

LibmountMountTable::Changes LibmountMountTable::compare(
    const QList<MountEntry> &before, const QList<MountEntry> &after)
{
    // The kernel reuses a freed mount id at once, so an id alone does not tell one mount from
    // another: a mount stays the same only while its whole entry does.
    QHash<int, MountEntry> beforeById;
    QHash<int, MountEntry> afterById;
    for (const MountEntry &entry : before)
        beforeById.insert(entry.id, entry);
    for (const MountEntry &entry : after)
        afterById.insert(entry.id, entry);
    const auto isIn = [](const QHash<int, MountEntry> &table, const MountEntry &entry) {
        const auto found = table.constFind(entry.id);
        return found != table.cend() && *found == entry;
    };
    Changes changes;
    for (const MountEntry &entry : before) {
        if (!isIn(afterById, entry))
            changes.unmounted.append(entry.mountPoint);
    }
    for (const MountEntry &entry : after) {
        if (!isIn(beforeById, entry))
            changes.mounted.append(entry.mountPoint);
    }
    return changes;
}

bool LibmountMountTable::startWatching(Callback onMount, Callback onUnmount)
{
    stopWatching();
    m_monitor = mnt_new_monitor();
    if (!m_monitor)
        return false;
    const int fd = mnt_monitor_enable_kernel(m_monitor, 1) == 0 ? mnt_monitor_get_fd(m_monitor) : -1;
    if (fd < 0) {
        mnt_unref_monitor(m_monitor);
        m_monitor = nullptr;
        return false;
    }
    m_onMount = std::move(onMount);
    m_onUnmount = std::move(onUnmount);
    m_known = read();
    m_watch.start(fd, [this] { tableChanged(); });
    return true;
}

void LibmountMountTable::stopWatching()
{
    m_watch.stop();
    if (m_monitor) {
        mnt_unref_monitor(m_monitor);
        m_monitor = nullptr;
    }
    m_onMount = nullptr;
    m_onUnmount = nullptr;
    m_known.reset();
}

void LibmountMountTable::tableChanged()
{
    // Drain every pending change; one reading of the table covers them all.
    while (m_monitor && mnt_monitor_next_change(m_monitor, nullptr, nullptr) == 0) { }
    std::optional<QList<MountEntry>> current = read();
    if (!current || !m_known) {
        // An unreadable table (out of file descriptors, say) is no empty one: nothing is
        // reported as unmounted, or later as mounted again, against a reading that failed.
        // Only say that something changed.
        if (current)
            m_known = std::move(current);
        if (const Callback onMount = m_onMount)
            onMount(QString());
        return;
    }
    const Changes changes = compare(*m_known, *current);
    m_known = std::move(current);
    // Copies: a callback may stop the watching and clear the members.
    const Callback onUnmount = m_onUnmount;
    const Callback onMount = m_onMount;
    for (const QString &path : changes.unmounted) {
        if (onUnmount && m_monitor)
            onUnmount(path);
    }
    for (const QString &path : changes.mounted) {
        if (onMount && m_monitor)
            onMount(path);
    }
}
