#include "common/FakeMountTable.h"

QList<MountEntry> FakeMountTable::entries() const
{
    std::lock_guard lock(m_mutex);
    return m_entries;
}

bool FakeMountTable::startWatching(Callback onMount, Callback onUnmount)
{
    if (!m_watchable)
        return false;
    m_onMount = std::move(onMount);
    m_onUnmount = std::move(onUnmount);
    return true;
}

void FakeMountTable::stopWatching()
{
    m_onMount = nullptr;
    m_onUnmount = nullptr;
}

void FakeMountTable::addEntry(const QString &mountPoint, const QString &fsType, const QString &source)
{
    std::lock_guard lock(m_mutex);
    m_entries.append(MountEntry { m_nextId++, mountPoint, fsType, source, 8, 17 });
}

void FakeMountTable::mount(const QString &mountPoint, const QString &fsType, const QString &source)
{
    addEntry(mountPoint, fsType, source);
    notifyMount(mountPoint);
}

void FakeMountTable::unmount(const QString &mountPoint)
{
    {
        std::lock_guard lock(m_mutex);
        m_entries.removeIf([&](const MountEntry &entry) { return entry.mountPoint == mountPoint; });
    }
    if (m_onUnmount)
        m_onUnmount(mountPoint);
}

void FakeMountTable::notifyMount(const QString &mountPoint)
{
    if (m_onMount)
        m_onMount(mountPoint);
}

void FakeMountTable::unmountTop(const QString &mountPoint)
{
    {
        std::lock_guard lock(m_mutex);
        for (qsizetype index = m_entries.size() - 1; index >= 0; --index) {
            if (m_entries.at(index).mountPoint == mountPoint) {
                m_entries.removeAt(index);
                break;
            }
        }
    }
    if (m_onUnmount)
        m_onUnmount(mountPoint);
}
