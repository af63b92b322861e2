#pragma once

#include "support/Logger.h"

/// Whether the disk service is there to ask right now. It may leave the bus and come back
/// while Mirvale runs; each departure and each return is logged once.
class DiskServicePresence {
public:
    explicit DiskServicePresence(Logger &logger)
        : m_logger(logger)
    {
    }

    /// A new session: the service counts as absent until it reports ready.
    void reset();
    /// The service answered. Returns true when it came back after leaving.
    bool ready();
    /// The service left the bus.
    void departed();

    bool isPresent() const { return m_present; }

private:
    Logger &m_logger;
    bool m_present = false;
    bool m_departed = false;
};
