#pragma once

#include "platform/DiskDescription.h"

#include <QString>

#include <functional>
#include <optional>

/// A live connection to the system's disk service, reporting the removable and ejectable
/// disks it knows. Main thread only; callbacks arrive on the main thread.
class DiskSession {
public:
    struct Callbacks {
        /// The session is connected and has reported the disks present at its start.
        std::function<void()> ready;
        /// The session could not be set up or was lost; no callback follows.
        std::function<void(const QString &reason)> failed;
        /// The disk service is not running yet; the session waits for it and calls ready()
        /// once it appears.
        std::function<void(const QString &reason)> waiting;
        /// The disk service left the bus: its disks are reported gone next, and ready() follows
        /// again once it returns.
        std::function<void()> departed;
        std::function<void(const DiskDescription &disk)> appeared;
        std::function<void(const QString &deviceName)> disappeared;
        std::function<void(const DiskDescription &disk)> descriptionChanged;
    };

    /// The answer to a mount or unmount: absent on success, else the service's refusal.
    using Completion = std::function<void(const std::optional<QString> &dissent)>;

    virtual ~DiskSession() = default;

    /// Starts the session. Returns false when it cannot even be attempted (no system bus);
    /// otherwise ready() or failed() follows later. Never blocks.
    virtual bool start(Callbacks callbacks) = 0;
    /// Stops reporting; no callback runs after it returns.
    virtual void stop() = 0;

    /// True when the session knows a disk by this device name (a handle can be made).
    virtual bool hasDisk(const QString &deviceName) const = 0;
    /// Asks the service to mount or unmount the volume on the named disk. Returns false
    /// (and never calls `completion`) when the disk is unknown; otherwise `completion` follows
    /// on the main thread unless the session is stopped first.
    virtual bool mount(const QString &deviceName, Completion completion) = 0;
    virtual bool unmount(const QString &deviceName, Completion completion) = 0;
    /// As mount(), but the service asks the user nothing (no password dialog): a mount the
    /// user did not ask for.
    virtual bool mountWithoutAsking(const QString &deviceName, Completion completion)
    {
        return mount(deviceName, std::move(completion));
    }
};
