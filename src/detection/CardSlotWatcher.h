#pragma once

#include "detection/SlotCard.h"
#include "platform/CardSlotSource.h"
#include "platform/DeviceEventSource.h"
#include "support/Logger.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <memory>

/// Watches the built-in SD card slots and keeps the cards present in them, so that a card
/// ejected but left in its slot can still be listed. Main thread only.
class CardSlotWatcher {
public:
    /// `slotSource` reads the slots (none: there are none); `events` reports slots and cards
    /// coming and going.
    CardSlotWatcher(std::unique_ptr<CardSlotSource> slotSource, std::unique_ptr<DeviceEventSource> events,
        Logger &logger);
    ~CardSlotWatcher();

    CardSlotWatcher(const CardSlotWatcher &) = delete;
    CardSlotWatcher &operator=(const CardSlotWatcher &) = delete;

    void start();
    void stop();
    /// Reads the slots now and stores the result without calling onChange.
    QList<SlotCard> refreshNow();

    const QList<SlotCard> &presentCards() const { return m_presentCards; }
    /// Called when presentCards changes through a rescan.
    std::function<void()> onChange;

    /// The slots being watched, by host name ("mmc0"), in slot order.
    const QStringList &watchedSlots() const { return m_slots; }

private:
    void handleEvent(const DeviceEvent &event);
    void slotsFound();
    void slotTerminated(const QString &host);
    void rescan();
    QList<SlotCard> readSlots() const;

    const std::unique_ptr<CardSlotSource> m_source;
    const std::unique_ptr<DeviceEventSource> m_events;
    Logger &m_logger;
    QList<SlotCard> m_presentCards;
    bool m_watching = false; // stands for the notification port
    QStringList m_slots;
};
