#pragma once

#include "detection/CardProber.h"
#include "detection/VolumeWatcherLimits.h"
#include "detection/VolumeWatching.h"
#include "support/LifeToken.h"
#include "support/Logger.h"
#include "support/WorkItem.h"

#include <QHash>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class CardLanes;
struct ProbeState;

/// Decides which newly mounted volumes are cards and lets each settle before handing it to
/// `onMount`: repeat and stacked mount events are ignored, a card that goes away meanwhile
/// is dropped. Main thread.
class MountSettler final : public QObject {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;

    /// `rescan` asks the watcher to read the mounted cards again.
    MountSettler(VolumeWatching::MountCallback onMount, std::function<void()> rescan, Logger &logger,
        const VolumeWatcherLimits &limits, std::shared_ptr<const MountTable> mountTable,
        std::shared_ptr<ProbeState> probe, CardLanes &lanes);
    ~MountSettler() override;

    void handleDidMount(const QString &path);
    void handleDidUnmount(const QString &path);
    /// Marks cards handled by the launch scan so their mount events are not handled again.
    void noteHandledAtLaunch(const QList<MountedCard> &cards);
    /// Cancels every pending settle and forgets every mount seen.
    void reset();

private:
    using CardProbe = CardProber::CardProbe;
    struct Stamp {
        Clock::time_point time;
        quint64 serial = 0;
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };
    using WeakSelf = LifeToken<MountSettler>::Weak;

    /// How many mounts the table lists at `path` (more than one when stacked).
    int mountsAt(const QString &path) const;
    void handleProbeResult(const QUrl &url, const QString &key, Stamp stamp, CardProbe result);
    void scheduleSettle(const QUrl &url, const QString &key, Stamp stamp);
    void settleFired(const QUrl &url, const QString &key, Stamp stamp);
    void settleRead(const QUrl &url, const QString &key, Stamp stamp, const std::optional<MountedCard> &card);
    void pruneOldDebounceEntries(Clock::time_point now);
    void cancelSettle(const QString &key);
    Stamp makeStamp(Clock::time_point now);
    bool isCurrentStamp(const QString &key, Stamp stamp) const;

    static MountSettler *resolve(const WeakSelf &self);

    const VolumeWatching::MountCallback m_onMount;
    const std::function<void()> m_rescan;
    Logger &m_logger;
    const VolumeWatcherLimits m_limits;
    const std::shared_ptr<const MountTable> m_mountTable;
    const std::shared_ptr<ProbeState> m_probe;
    CardLanes &m_lanes;

    QHash<QString, Stamp> m_lastMountTimes;
    quint64 m_nextStampSerial = 1;
    QHash<QString, WorkItemPtr> m_settleWork;
    const LifeToken<MountSettler> m_self { this };
};
