#pragma once

#include "platform/DiskSession.h"

#include <memory>

/// A disk session the test drives through the callbacks it was given.
class FakeDiskSession final : public DiskSession
{
public:
    /// What the test sees of the session after handing it over to the watcher.
    struct Probe {
        bool startable = true;
        bool started = false;
        bool stopped = false;
        Callbacks callbacks;
    };

    explicit FakeDiskSession(std::shared_ptr<Probe> probe)
        : m_probe(std::move(probe))
    {
    }

    bool start(Callbacks callbacks) override;
    void stop() override;

private:
    std::shared_ptr<Probe> m_probe;
};
