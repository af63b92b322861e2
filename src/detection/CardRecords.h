#pragma once

#include "detection/DetectedCard.h"
#include "detection/DetectedCardList.h"
#include "detection/KnownCardNames.h"
#include "support/Logger.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <memory>

class CardProber;
class CardReads;
class StateStore;

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
        std::shared_ptr<CardProber> prober, CardReads &reads);
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
    void rebuildDetectedCards();
    void applyFreeSpace(const QString &mountPath, qint64 freeBytes);

    const InputSource m_inputs;
    const std::shared_ptr<StateStore> m_stateStore;
    Logger &m_logger;
    const std::shared_ptr<CardProber> m_prober;
    CardReads &m_reads;

    QList<DetectedCard> m_detectedCards;
    bool m_loggedUnmountableSDDisk = false;
    bool m_needsRebuild = false;
    bool m_needsFreeSpaceRefresh = false;
    KnownCardNames m_knownCardNames;
};
