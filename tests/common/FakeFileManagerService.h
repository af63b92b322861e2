#pragma once

#include "filemanager/FileManagerService.h"

#include <QList>

#include <mutex>

/// Records open requests; the test answers them when it likes (on the main thread), or
/// sets an answer that is given at once.
class FakeFileManagerService final : public FileManagerService {
public:
    struct Request {
        QUrl folder;
        std::optional<Placement> placement;
        bool bringToFront = false;
        std::optional<QUrl> selectFile;
        Completion completion;
    };

    void open(const QUrl &folder, const std::optional<Placement> &placement, bool bringToFront,
        const std::optional<QUrl> &selectFile, Completion completion) override;
    void checkFileManager(std::function<void(bool)> completion) override;
    void captureFrontWindowBounds(std::function<void(std::optional<Placement>)> completion) override;

    /// Every later request is answered at once (on the next turn of the main loop) with this outcome.
    void answerImmediately(std::optional<MirvaleError> outcome);
    /// Requests wait for complete() again, as a hung file manager's would.
    void answerLater();
    void setPermissionGranted(bool granted) { m_granted = granted; }
    void setFrontWindowBounds(std::optional<Placement> bounds) { m_frontBounds = std::move(bounds); }

    int requestCount() const;
    Request request(int index) const;
    /// Calls request `index`'s completion; main thread.
    void complete(int index, std::optional<MirvaleError> outcome = std::nullopt);

private:
    mutable std::mutex m_mutex;
    QList<Request> m_requests;
    bool m_answerImmediately = false;
    std::optional<MirvaleError> m_immediateOutcome;
    bool m_granted = true;
    std::optional<Placement> m_frontBounds;
};
