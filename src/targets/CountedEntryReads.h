#pragma once

#include "platform/EntryAttributeSource.h"

#include <atomic>
#include <memory>

/// A card's file system that counts its reads, so that a watchdog on the main thread can tell a
/// long walk over a large card, which keeps reading, from a card that stopped answering.
class CountedEntryReads final : public EntryAttributeSource {
public:
    using Counter = std::shared_ptr<std::atomic<quint64>>;

    CountedEntryReads(const EntryAttributeSource &inner, Counter counter);

    std::unique_ptr<Listing> list(const QByteArray &directory) const override;
    Resolution resolve(const QByteArray &path) const override;
    bool isDirectory(const QByteArray &path) const override;

private:
    const EntryAttributeSource &m_inner;
    const Counter m_counter;
};
