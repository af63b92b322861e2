#include "common/FakeFileManagerService.h"

void FakeFileManagerService::open(const QUrl &folder, const std::optional<Placement> &placement,
    bool bringToFront, const std::optional<QUrl> &selectFile, Completion completion)
{
    m_requests.append({ folder, placement, bringToFront, selectFile, completion });
    if (m_answerImmediately)
        post([completion, outcome = m_immediateOutcome] { completion(outcome); });
}

void FakeFileManagerService::checkFileManager(std::function<void(bool)> completion)
{
    post([completion, granted = m_granted] { completion(granted); });
}

void FakeFileManagerService::answerImmediately(std::optional<MirvaleError> outcome)
{
    m_answerImmediately = true;
    m_immediateOutcome = std::move(outcome);
}

void FakeFileManagerService::complete(int index, std::optional<MirvaleError> outcome)
{
    request(index).completion(std::move(outcome));
}

void FakeFileManagerService::captureFrontWindowBounds(
    std::function<void(std::optional<Placement>)> completion)
{
    post([completion, bounds = m_frontBounds] { completion(bounds); });
}

void FakeFileManagerService::post(std::function<void()> work)
{
    QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}
