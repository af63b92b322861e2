#pragma once

#include "platform/DiskSession.h"

#include <QSet>
#include <QStringList>

#include <memory>

/// A disk session the test drives through the callbacks it was given.
class FakeDiskSession final : public DiskSession {
public:
    /// What the test sees of the session after handing it over to the watcher.
    struct Probe {
        bool startable = true;
        bool started = false;
        bool stopped = false;
        Callbacks callbacks;
        QSet<QString> disks; ///< the device names hasDisk() knows
        QStringList requests; ///< "mount sdb1", "unmount sdb1", in order
        QList<Completion> pending; ///< completions the test answers by hand
    };

    explicit FakeDiskSession(std::shared_ptr<Probe> probe)
        : m_probe(std::move(probe))
    {
    }

    bool start(Callbacks callbacks) override;
    void stop() override;
    bool hasDisk(const QString &deviceName) const override { return m_probe->disks.contains(deviceName); }
    bool mount(const QString &deviceName, Completion completion) override;
    bool unmount(const QString &deviceName, Completion completion) override;

private:
    std::shared_ptr<Probe> m_probe;
};
