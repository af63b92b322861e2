#pragma once

#include "support/UserText.h"

#include <QString>

#include <optional>

/// The desktop's start-at-login registration of Mirvale itself. Implementations do blocking
/// file work and must be safe to call from any thread.
class AutostartService {
public:
    enum class Status {
        Enabled, ///< registered and active
        NotRegistered, ///< nothing registered
        Disabled, ///< registered but switched off by the desktop or the user
        Stale, ///< registered for a program that is no longer there
        NotOurs, ///< the registration's place is taken by something that is not Mirvale's
    };

    virtual ~AutostartService() = default;

    virtual Status status() const = 0;
    /// Registers (true) or unregisters (false) Mirvale; the reason, readable by the user, on
    /// failure.
    virtual std::optional<UserText> setRegistered(bool on) = 0;
};
