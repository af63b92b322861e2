#pragma once

#include "platform/Placement.h"
#include "support/MirvaleError.h"

#include <QUrl>

#include <functional>
#include <optional>

/// What the rest of the application asks of the file-manager automation. Main thread only.
class FileManagerService {
public:
    /// No error on success. Always delivered once, on the main thread, after the call returned.
    using Completion = std::function<void(std::optional<MirvaleError>)>;

    virtual ~FileManagerService() = default;

    /// Opens (or reuses) a window on `folder`, places it, selects `selectFile` and brings it
    /// to the front as asked.
    virtual void open(const QUrl &folder, const std::optional<Placement> &placement, bool bringToFront,
        const std::optional<QUrl> &selectFile, Completion completion)
        = 0;

    /// Asks whether the application may drive the file manager; answers on the main thread.
    virtual void checkFileManager(std::function<void(bool granted)> completion) = 0;
    /// The file manager's name as the last granted check learned it; empty when unknown.
    virtual QString fileManagerName() const { return {}; }
    /// Reads the bounds of the file manager's front window; none when there is none or it
    /// cannot be read. Calls back once, on the main thread.
    virtual void captureFrontWindowBounds(std::function<void(std::optional<Placement>)> completion) = 0;
};
