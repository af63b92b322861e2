#pragma once

#include "detection/VolumeWatching.h"

/// A watcher the test drives: it mounts cards by hand and decides what the launch scan finds.
class FakeVolumeWatcher final : public VolumeWatching
{
public:
    explicit FakeVolumeWatcher(MountCallback onMount)
        : m_onMount(std::move(onMount))
    {
    }

    void start() override { m_started = true; }
    void scanExistingAsync(ScanCallback completion) override;
    void noteHandledAtLaunch(const QList<MountedCard> &cards) override { m_notedAtLaunch = cards; }

    void mount(const MountedCard &card) { m_onMount(card); }
    void setExisting(const QList<MountedCard> &cards) { m_existing = cards; }
    bool isStarted() const { return m_started; }
    QList<MountedCard> notedAtLaunch() const { return m_notedAtLaunch; }

private:
    MountCallback m_onMount;
    QList<MountedCard> m_existing;
    QList<MountedCard> m_notedAtLaunch;
    bool m_started = false;
};
