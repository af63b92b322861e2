#include "detection/CardRecords.h"

#include "detection/CardProber.h"
#include "detection/CardReads.h"

#include <QPointer>

CardRecords::CardRecords(InputSource inputs, std::shared_ptr<StateStore> stateStore, Logger &logger,
    std::shared_ptr<CardProber> prober, CardReads &reads)
    : m_inputs(std::move(inputs))
    , m_stateStore(std::move(stateStore))
    , m_logger(logger)
    , m_prober(std::move(prober))
    , m_reads(reads)
    , m_knownCardNames(m_stateStore.get())
{
}

CardRecords::~CardRecords() = default;

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
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_needsRebuild)
                return;
            m_needsRebuild = false;
            rebuildDetectedCards();
        },
        Qt::QueuedConnection);
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
    m_needsFreeSpaceRefresh = true;
    setNeedsRebuildDetectedCards();
}

void CardRecords::refreshDetectedCardFreeSpace()
{
    const std::shared_ptr<CardProber> prober = m_prober;
    const QPointer<CardRecords> self(this);
    // Each card in its own turn: a hung card's figure never holds up the others'.
    for (const DetectedCard &card : std::as_const(m_detectedCards)) {
        if (!card.mountURL)
            continue;
        const QUrl url = *card.mountURL;
        m_reads.read<std::optional<qint64>>(
            CardProber::standardizedPath(url), [prober, url] { return prober->freeBytes(url); },
            [self, path = url.toLocalFile()](std::optional<std::optional<qint64>> free) {
                if (self && free && *free)
                    self->applyFreeSpace(path, **free);
            });
    }
}

void CardRecords::applyFreeSpace(const QString &mountPath, qint64 freeBytes)
{
    // Applied to the list as it is now, matched by mount path: it may have changed meanwhile.
    bool changed = false;
    for (DetectedCard &card : m_detectedCards) {
        if (card.mountURL && card.mountURL->toLocalFile() == mountPath && card.freeBytes != freeBytes) {
            card.freeBytes = freeBytes;
            changed = true;
        }
    }
    if (changed)
        emit cardsChanged();
}
