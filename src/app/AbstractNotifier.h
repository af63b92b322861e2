#pragma once

#include "detection/MountedCard.h"
#include "support/UserText.h"
#include "targets/ResolvedTarget.h"

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

/// Reports openings and problems: in panels, or through the desktop's notifications.
class AbstractNotifier {
public:
    virtual ~AbstractNotifier() = default;

    /// Prepares the panels; main thread, once.
    virtual void setup() = 0;
    /// Called on the main thread when a panel's Unmount button is pressed.
    virtual void setOnEjectRequested(std::function<void(const QUrl &volume)> callback) = 0;
    /// A card was opened; `fileCount` is absent when no panel is wanted.
    virtual void cardOpened(
        const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount)
        = 0;
    /// Something about `card` went wrong: `message` as the user reads it, and in English for
    /// the log.
    virtual void cardProblem(const MountedCard &card, const UserText &message) = 0;
    /// `card` was unmounted at the user's request.
    virtual void cardUnmounted(const MountedCard &card) { (void)card; }
};
