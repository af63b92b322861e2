#pragma once

#include "platform/DeviceEventSource.h"

#include <memory>

/// Device events the test sends by hand.
class FakeDeviceEvents final : public DeviceEventSource {
public:
    struct Probe {
        bool startable = true;
        Callback onEvent;

        void send(const QString &action, const QString &subsystem, const QString &sysName);
    };

    explicit FakeDeviceEvents(std::shared_ptr<Probe> probe)
        : m_probe(std::move(probe))
    {
    }

    bool start(Callback onEvent) override;
    void stop() override { m_probe->onEvent = nullptr; }

private:
    std::shared_ptr<Probe> m_probe;
};
