#include "detection/CardSlotWatcher.h"

#include <algorithm>

namespace {

/// The MMC host's number ("mmc12" gives 12), so slots keep the kernel's order.
int hostNumber(const QString &host)
{
    bool ok = false;
    const int number = host.mid(3).toInt(&ok);
    return ok ? number : -1;
}

/// The kernel writes the serial as hex ("0x01a2b3c4"); like any numeric serial it is shown as
/// decimal text. Anything else is kept as it is.
QString serialText(const QString &raw)
{
    bool isNumber = false;
    const bool isHex = raw.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const qulonglong number = isHex ? raw.mid(2).toULongLong(&isNumber, 16) : raw.toULongLong(&isNumber, 10);
    return isNumber ? QString::number(number) : raw;
}

} // namespace

CardSlotWatcher::CardSlotWatcher(
    std::unique_ptr<CardSlotSource> slotSource, std::unique_ptr<DeviceEventSource> events, Logger &logger)
    : m_source(std::move(slotSource))
    , m_events(std::move(events))
    , m_logger(logger)
{
}

CardSlotWatcher::~CardSlotWatcher()
{
    stop();
}

void CardSlotWatcher::start()
{
    if (m_watching)
        return;
    if (!m_events || !m_events->start([this](const DeviceEvent &event) { handleEvent(event); })) {
        m_logger.error(QStringLiteral("CardSlotWatcher: failed to create a udev monitor"));
        return;
    }
    m_watching = true;
    slotsFound();
}

void CardSlotWatcher::stop()
{
    if (m_watching && m_events)
        m_events->stop();
    m_watching = false;
    m_slots.clear();
    m_presentCards.clear();
}

QList<SlotCard> CardSlotWatcher::refreshNow()
{
    m_presentCards = readSlots();
    return m_presentCards;
}

void CardSlotWatcher::handleEvent(const DeviceEvent &event)
{
    if (event.subsystem == QLatin1String("mmc_host")) {
        if (event.action == QLatin1String("remove"))
            slotTerminated(event.sysName);
        else if (event.action == QLatin1String("add"))
            slotsFound();
        else
            rescan();
    } else if (event.subsystem == QLatin1String("mmc")) {
        rescan();
    }
}

void CardSlotWatcher::slotsFound()
{
    if (!m_watching)
        return;
    QStringList hosts = m_source ? m_source->slotNames() : QStringList();
    hosts.removeIf([](const QString &host) { return hostNumber(host) < 0; });
    std::sort(hosts.begin(), hosts.end(),
        [](const QString &a, const QString &b) { return hostNumber(a) < hostNumber(b); });
    for (const QString &host : std::as_const(hosts)) {
        if (!m_slots.contains(host))
            m_slots.append(host);
    }
    rescan();
}

void CardSlotWatcher::slotTerminated(const QString &host)
{
    if (!m_slots.removeOne(host)) {
        rescan();
        return;
    }
    m_logger.info(QStringLiteral("CardSlotWatcher: a slot service was terminated; released it"));
    rescan();
}

void CardSlotWatcher::rescan()
{
    QList<SlotCard> cards = readSlots();
    if (cards == m_presentCards)
        return;
    m_presentCards = std::move(cards);
    if (onChange)
        onChange();
}

QList<SlotCard> CardSlotWatcher::readSlots() const
{
    QList<SlotCard> cards;
    if (!m_source)
        return cards;
    for (const QString &host : m_slots) {
        const std::optional<CardSlotSource::CardAttributes> card = m_source->cardIn(host);
        if (!card)
            continue;
        // Built-in eMMC storage and SDIO devices (Wi-Fi) sit on MMC hosts too; they are no cards.
        if (card->type == QLatin1String("MMC") || card->type == QLatin1String("SDIO"))
            continue;
        SlotCard slotCard;
        if (!card->name.isEmpty())
            slotCard.productName = card->name;
        slotCard.serial = serialText(card->serial);
        cards.append(slotCard);
    }
    return cards;
}
