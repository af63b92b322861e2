#pragma once

#include "detection/CardProber.h"
#include "detection/VolumeWatcherLimits.h"
#include "detection/VolumeWatching.h"
#include "support/Logger.h"

#include <QHash>
#include <QObject>

#include <chrono>
#include <functional>
#include <memory>

class CardReads;

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
        std::shared_ptr<CardProber> prober, CardReads &reads);
    ~MountSettler() override;

    void handleDidMount(const QString &path);
    void handleDidUnmount(const QString &path);
    /// Marks cards handled by the launch scan so their mount events are not handled again.
    void noteHandledAtLaunch(const QList<MountedCard> &cards);
    /// While inactive (the watcher stopped), reads that come back are dropped; going inactive
    /// cancels every pending settle and forgets every mount seen.
    void setActive(bool active);

private:
    using CardProbe = CardProber::CardProbe;
    struct Stamp {
        Clock::time_point time;
        quint64 serial = 0;
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };

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

    /// Whether a read asked for in `generation` still counts.
    bool isCurrent(quint64 generation) const { return m_active && generation == m_generation; }

    const VolumeWatching::MountCallback m_onMount;
    const std::function<void()> m_rescan;
    Logger &m_logger;
    const VolumeWatcherLimits m_limits;
    const std::shared_ptr<const MountTable> m_mountTable;
    const std::shared_ptr<CardProber> m_prober;
    CardReads &m_reads;

    QHash<QString, Stamp> m_lastMountTimes;
    quint64 m_nextStampSerial = 1;
    QHash<QString, quint64> m_settling; // the stamp serial of each pending settle
    bool m_active = false;
    quint64 m_generation = 0; // counts the stops; a read from before one is dropped
};
