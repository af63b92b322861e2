#pragma once

#include "detection/DetectedCard.h"
#include "detection/MountedCard.h"
#include "support/MirvaleError.h"

#include <QList>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QObject;

/// The card-detection service as the Coordinator, the menu and the settings window drive it.
class VolumeWatching {
public:
    using MountCallback = std::function<void(const MountedCard &card)>;
    using ScanCallback = std::function<void(const QList<MountedCard> &cards)>;
    /// No error on success. Called once, on the main thread.
    using RequestCompletion = std::function<void(const std::optional<MirvaleError> &error)>;
    using CardCompletion = std::function<void(const std::optional<MountedCard> &card)>;
    using CardObserver = std::function<void(const MountedCard &card)>;

    virtual ~VolumeWatching() = default;

    /// Begins watching mounts, disks and slots. Main thread.
    virtual void start() = 0;
    /// Reads the cards mounted now; answers on the main thread.
    virtual void scanExistingAsync(ScanCallback completion) = 0;
    /// Marks cards handled by the launch scan so their mount events are not handled again.
    virtual void noteHandledAtLaunch(const QList<MountedCard> &cards) = 0;

    /// The cards mounted now, in the menu's order. Main thread.
    virtual QList<MountedCard> mountedCards() const = 0;
    /// The card list of the menu: mounted, known but unmounted, and ejected in a slot. Main thread.
    virtual QList<DetectedCard> detectedCards() const = 0;
    /// Calls `observer` on the main thread after either list changed, for as long as `context`
    /// lives.
    virtual void observeCardsChanged(QObject *context, std::function<void()> observer) = 0;
    /// Calls `observer` on the main thread with each card given up because it stopped
    /// answering (its name is its mount point's), once each time, for as long as `context` lives.
    virtual void observeCardsNotAnswering(QObject * /*context*/, CardObserver /*observer*/) { }

    /// Mounts a detected card's volume by its device name. Main thread.
    virtual void mount(const DetectedCard &card, RequestCompletion completion) = 0;
    /// Unmounts a mounted card's volume. Main thread.
    virtual void eject(const MountedCard &card, RequestCompletion completion) = 0;
    /// Asks for fresh free-space figures on the mounted lines; they arrive through the
    /// change notification. Main thread.
    virtual void refreshFreeSpaceNow() { }
    /// Reads the card mounted at `url`, if it is one; answers on the main thread.
    virtual void makeCardAsync(const QUrl &url, CardCompletion completion) = 0;
};

/// Builds the watcher with the callback that receives each ready card on the main thread.
using VolumeWatcherFactory
    = std::function<std::unique_ptr<VolumeWatching>(VolumeWatching::MountCallback onMount)>;
