#pragma once

#include <QString>

#include <functional>

/// A device the kernel added, removed or changed.
struct DeviceEvent {
    QString action; ///< "add", "remove", "change", "bind", ...
    QString subsystem; ///< "mmc_host", "mmc", "block", ...
    QString sysName; ///< "mmc0", "mmc0:aaaa", ...
};

/// Word of devices coming and going. Main thread only; events arrive on the main thread.
class DeviceEventSource {
public:
    using Callback = std::function<void(const DeviceEvent &event)>;

    virtual ~DeviceEventSource() = default;

    /// Starts reporting; returns false when the system cannot be watched.
    virtual bool start(Callback onEvent) = 0;
    /// Stops reporting; no callback runs after it returns.
    virtual void stop() = 0;
};
