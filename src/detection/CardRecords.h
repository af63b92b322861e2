#pragma once

#include "detection/DetectedCard.h"
#include "detection/DetectedCardList.h"
#include "detection/KnownCardNames.h"
#include "support/LifeToken.h"
#include "support/Logger.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <memory>

class CardLanes;
class StateStore;
struct ProbeState;

/// The menu's card list (mounted, known but unmounted, ejected in a slot) with the free space
/// of the mounted ones; rebuilt once per main-loop turn however many changes came. Main thread.
class CardRecords final : public QObject {
    Q_OBJECT
public:
    /// What a rebuild reads: the disks, the mounted cards and the slots (the list itself and the
    /// known names are the records' own).
    using InputSource = std::function<DetectedCardList::Inputs()>;

    /// `stateStore` is where card names are remembered by serial; may be null.
    CardRecords(InputSource inputs, std::shared_ptr<StateStore> stateStore, Logger &logger,
        std::shared_ptr<ProbeState> probe, CardLanes &lanes);
    ~CardRecords() override;

    const QList<DetectedCard> &cards() const { return m_detectedCards; }

    /// Rebuilds the list on the next turn of the main loop.
    void setNeedsRebuildDetectedCards();
    /// Rebuilds the list and reads the free space again even if the list stays the same.
    void refreshFreeSpaceNow();
    /// Reads the free space of the mounted lines again.
    void refreshDetectedCardFreeSpace();
    /// Drops a pending rebuild.
    void reset();

signals:
    /// The list or a free-space figure changed.
    void cardsChanged();

private:
    using WeakSelf = LifeToken<CardRecords>::Weak;

    void rebuildDetectedCards();
    void applyFreeSpace(const QHash<QString, qint64> &figures);

    static CardRecords *resolve(const WeakSelf &self);

    const InputSource m_inputs;
    const std::shared_ptr<StateStore> m_stateStore;
    Logger &m_logger;
    const std::shared_ptr<ProbeState> m_probe;
    CardLanes &m_lanes;

    QList<DetectedCard> m_detectedCards;
    bool m_loggedUnmountableSDDisk = false;
    bool m_needsRebuild = false;
    bool m_needsFreeSpaceRefresh = false;
    KnownCardNames m_knownCardNames;
    const LifeToken<CardRecords> m_self { this };
};
