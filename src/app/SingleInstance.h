#pragma once

#include <QDBusConnection>

/// One Mirvale per session: the first to own the control service name runs; a later start
/// asks it to show its settings window instead.
namespace SingleInstance {

enum class Claim {
    Owned, ///< this process owns the name: it is the running Mirvale
    AlreadyRunning, ///< another process owns it
    Unavailable, ///< the bus did not answer; run without the control interface
};

/// Claims the name, never queueing for it: two watchers must never both handle a card.
Claim claim(QDBusConnection connection);

/// Calls ShowSettings(false) on the running Mirvale; false when it did not answer.
bool showSettingsInRunningInstance(QDBusConnection connection);

} // namespace SingleInstance
