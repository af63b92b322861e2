#pragma once

#include "platform/DeviceEventSource.h"
#include "platform/linux/DescriptorWatch.h"

#include <QStringList>

struct udev;
struct udev_monitor;

/// Device events from udev's netlink monitor, filtered to the given subsystems and delivered
/// on the main thread through a socket notifier.
class UdevDeviceEventSource final : public DeviceEventSource {
public:
    explicit UdevDeviceEventSource(QStringList subsystems);
    ~UdevDeviceEventSource() override;

    bool start(Callback onEvent) override;
    void stop() override;

private:
    void readEvents();

    const QStringList m_subsystems;
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    DescriptorWatch m_watch;
    Callback m_onEvent;
};
