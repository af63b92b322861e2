#include "detection/CardRecords.h"

#include "detection/CardLanes.h"
#include "detection/ProbeState.h"
#include "support/MainQueue.h"

CardRecords::CardRecords(InputSource inputs, std::shared_ptr<StateStore> stateStore, Logger &logger,
    std::shared_ptr<ProbeState> probe, CardLanes &lanes)
    : m_inputs(std::move(inputs))
    , m_stateStore(std::move(stateStore))
    , m_logger(logger)
    , m_probe(std::move(probe))
    , m_lanes(lanes)
    , m_knownCardNames(m_stateStore.get())
{
}

CardRecords::~CardRecords() = default;

CardRecords *CardRecords::resolve(const WeakSelf &self)
{
    return self.get();
}

void CardRecords::reset()
{
    m_needsRebuild = false;
    m_needsFreeSpaceRefresh = false;
}

void CardRecords::setNeedsRebuildDetectedCards()
{
    if (m_needsRebuild)
        return;
    m_needsRebuild = true;
    MainQueue::async(this, [this] {
        if (!m_needsRebuild)
            return;
        m_needsRebuild = false;
        rebuildDetectedCards();
    });
}

void CardRecords::rebuildDetectedCards()
{
    DetectedCardList::Inputs inputs = m_inputs();
    inputs.current = m_detectedCards;
    inputs.knownNames = m_knownCardNames.knownCardNames();
    const DetectedCardList::Outcome outcome = DetectedCardList::rebuild(inputs);

    if (outcome.learntName)
        m_knownCardNames.rememberCardName(outcome.learntName->second, outcome.learntName->first);
    if (!outcome.unmountableSDDisk) {
        m_loggedUnmountableSDDisk = false;
    } else if (!m_loggedUnmountableSDDisk) {
        m_loggedUnmountableSDDisk = true;
        QStringList products;
        for (const SlotCard &slot : std::as_const(inputs.slotCards))
            products.append(slot.productName);
        QString inSlot = products.join(QStringLiteral(", "));
        if (inSlot.isEmpty())
            inSlot = QStringLiteral("unknown");
        m_logger.info(QStringLiteral("An mmc disk has no mountable volume (card in slot: ") + inSlot
            + QStringLiteral(") \u2014 the card probably needs formatting; not listing it as ejected"));
    }

    const bool refreshWanted = std::exchange(m_needsFreeSpaceRefresh, false);
    if (outcome.cards == m_detectedCards) {
        if (refreshWanted)
            refreshDetectedCardFreeSpace();
        return;
    }
    m_detectedCards = outcome.cards;
    emit cardsChanged();
    refreshDetectedCardFreeSpace();
}

void CardRecords::refreshFreeSpaceNow()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    m_needsFreeSpaceRefresh = true;
    setNeedsRebuildDetectedCards();
}

void CardRecords::refreshDetectedCardFreeSpace()
{
    const WeakSelf weak = m_self;
    const std::shared_ptr<ProbeState> probe = m_probe;
    // Each card on its own lane: a hung card's figure never holds up the others'.
    for (const DetectedCard &card : std::as_const(m_detectedCards)) {
        if (!card.mountURL)
            continue;
        const QUrl url = *card.mountURL;
        m_lanes.async(CardProber::standardizedPath(url), [weak, probe, url] {
            QHash<QString, qint64> figures;
            if (const std::optional<qint64> free = probe->prober.freeBytes(url))
                figures.insert(url.toLocalFile(), *free);
            MainQueue::async([weak, figures] {
                if (CardRecords *self = resolve(weak))
                    self->applyFreeSpace(figures);
            });
        });
    }
}

void CardRecords::applyFreeSpace(const QHash<QString, qint64> &figures)
{
    // Applied to the list as it is now, matched by mount path: it may have changed meanwhile.
    bool changed = false;
    for (DetectedCard &card : m_detectedCards) {
        if (!card.mountURL)
            continue;
        const auto figure = figures.constFind(card.mountURL->toLocalFile());
        if (figure != figures.cend() && card.freeBytes != *figure) {
            card.freeBytes = *figure;
            changed = true;
        }
    }
    if (changed)
        emit cardsChanged();
}
