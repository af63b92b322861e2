#include "common/FakeDeviceEvents.h"

void FakeDeviceEvents::Probe::send(const QString &action, const QString &subsystem, const QString &sysName)
{
    if (onEvent)
        onEvent(DeviceEvent { action, subsystem, sysName });
}

bool FakeDeviceEvents::start(Callback onEvent)
{
    if (!m_probe->startable)
        return false;
    m_probe->onEvent = std::move(onEvent);
    return true;
}
