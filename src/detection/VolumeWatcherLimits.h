#pragma once

#include <chrono>

/// The card watcher's time limits; tests shorten them.
struct VolumeWatcherLimits {
    /// A repeat mount event for the same path inside this window is ignored.
    static constexpr std::chrono::milliseconds kDebounceInterval { 30'000 };
    /// How long a card is left alone after mounting before it is read again.
    static constexpr std::chrono::milliseconds kSettleDelay { 2'000 };
    /// How long debounce entries are remembered at most.
    static constexpr std::chrono::milliseconds kDebounceMemory { 300'000 };
    /// How long the disk service may take to answer a mount or unmount.
    static constexpr std::chrono::milliseconds kRequestTimeout { 15'000 };
    /// How long an answer that never came is waited for before its entry is released.
    static constexpr std::chrono::milliseconds kRegistryGrace { 60'000 };
    /// How long a mount or unmount command may run before it is killed.
    static constexpr std::chrono::milliseconds kCommandTimeout { 60'000 };
    /// How long a read of a card may take before the card is given up as hung.
    static constexpr std::chrono::milliseconds kReadLimit { 5'000 };
    /// How many threads reads stuck on hung cards may hold; past it, cards are given up unread.
    /// At most the card-read pool's threads, so no read ever waits for a thread that stuck reads
    /// hold.
    static constexpr int kStuckReadBound = 8;

    std::chrono::milliseconds debounceInterval = kDebounceInterval;
    std::chrono::milliseconds settleDelay = kSettleDelay;
    std::chrono::milliseconds debounceMemory = kDebounceMemory;
    std::chrono::milliseconds requestTimeout = kRequestTimeout;
    std::chrono::milliseconds registryGrace = kRegistryGrace;
    std::chrono::milliseconds commandTimeout = kCommandTimeout;
    std::chrono::milliseconds readLimit = kReadLimit;
    int stuckReadBound = kStuckReadBound;
};
