#pragma once

#include "platform/MountTable.h"

#include <mutex>

/// A mount table the test fills; mount() and unmount() also send the events, on the calling
/// (main) thread, as the real table does once it notices.
class FakeMountTable final : public MountTable {
public:
    QList<MountEntry> entries() const override;
    bool startWatching(Callback onMount, Callback onUnmount) override;
    void stopWatching() override;

    void mount(const QString &mountPoint, const QString &fsType = QStringLiteral("exfat"),
        const QString &source = QStringLiteral("/dev/sdb1"));
    void unmount(const QString &mountPoint);
    /// Removes only the last (upper) mount at `mountPoint` and sends the unmount event.
    void unmountTop(const QString &mountPoint);
    /// Sends a mount event without changing the table (a repeated notification).
    void notifyMount(const QString &mountPoint);
    void addEntry(const QString &mountPoint, const QString &fsType = QStringLiteral("exfat"),
        const QString &source = QStringLiteral("/dev/sdb1"));

    void setWatchable(bool watchable) { m_watchable = watchable; }
    bool isWatching() const { return bool(m_onMount); }

private:
    mutable std::mutex m_mutex;
    QList<MountEntry> m_entries; // guarded by m_mutex
    int m_nextId = 100;
    bool m_watchable = true;
    Callback m_onMount;
    Callback m_onUnmount;
};
