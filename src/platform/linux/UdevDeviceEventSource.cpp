#include "platform/linux/UdevDeviceEventSource.h"

#include <libudev.h>

namespace {

QString text(const char *value)
{
    return value ? QString::fromUtf8(value) : QString();
}

} // namespace

UdevDeviceEventSource::UdevDeviceEventSource(QStringList subsystems)
    : m_subsystems(std::move(subsystems))
{
}

UdevDeviceEventSource::~UdevDeviceEventSource()
{
    stop();
}

bool UdevDeviceEventSource::start(Callback onEvent)
{
    stop();
    m_udev = udev_new();
    m_monitor = m_udev ? udev_monitor_new_from_netlink(m_udev, "udev") : nullptr;
    bool ok = m_monitor != nullptr;
    for (const QString &subsystem : m_subsystems) {
        if (ok)
            ok = udev_monitor_filter_add_match_subsystem_devtype(
                     m_monitor, subsystem.toUtf8().constData(), nullptr)
                >= 0;
    }
    ok = ok && udev_monitor_enable_receiving(m_monitor) >= 0;
    const int fd = ok ? udev_monitor_get_fd(m_monitor) : -1;
    if (fd < 0) {
        stop();
        return false;
    }
    m_onEvent = std::move(onEvent);
    m_watch.start(fd, [this] { readEvents(); });
    return true;
}

void UdevDeviceEventSource::stop()
{
    m_watch.stop();
    if (m_monitor) {
        udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
    }
    if (m_udev) {
        udev_unref(m_udev);
        m_udev = nullptr;
    }
    m_onEvent = nullptr;
}

void UdevDeviceEventSource::readEvents()
{
    // The socket is non-blocking: receive until it is drained.
    while (m_monitor) {
        udev_device *device = udev_monitor_receive_device(m_monitor);
        if (!device)
            return;
        const DeviceEvent event { text(udev_device_get_action(device)),
            text(udev_device_get_subsystem(device)), text(udev_device_get_sysname(device)) };
        udev_device_unref(device);
        const Callback onEvent = m_onEvent;
        if (onEvent)
            onEvent(event);
    }
}
