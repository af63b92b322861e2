#include "common/FakeFileManagerService.h"

#include <QCoreApplication>

namespace {

/// On the next turn of the main loop.
void post(std::function<void()> work)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
}

} // namespace

void FakeFileManagerService::open(const QUrl &folder, const std::optional<Placement> &placement,
    bool bringToFront, const std::optional<QUrl> &selectFile, Completion completion)
{
    std::optional<MirvaleError> outcome;
    bool immediate = false;
    {
        std::lock_guard lock(m_mutex);
        m_requests.append({ folder, placement, bringToFront, selectFile, completion });
        immediate = m_answerImmediately;
        outcome = m_immediateOutcome;
    }
    if (immediate)
        post([completion, outcome] { completion(outcome); });
}

void FakeFileManagerService::checkFileManager(std::function<void(bool)> completion)
{
    const bool granted = m_granted;
    post([completion, granted] { completion(granted); });
}

void FakeFileManagerService::answerImmediately(std::optional<MirvaleError> outcome)
{
    std::lock_guard lock(m_mutex);
    m_answerImmediately = true;
    m_immediateOutcome = std::move(outcome);
}

void FakeFileManagerService::answerLater()
{
    std::lock_guard lock(m_mutex);
    m_answerImmediately = false;
}

int FakeFileManagerService::requestCount() const
{
    std::lock_guard lock(m_mutex);
    return int(m_requests.size());
}

FakeFileManagerService::Request FakeFileManagerService::request(int index) const
{
    std::lock_guard lock(m_mutex);
    return m_requests.at(index);
}

void FakeFileManagerService::complete(int index, std::optional<MirvaleError> outcome)
{
    request(index).completion(std::move(outcome));
}

void FakeFileManagerService::captureFrontWindowBounds(
    std::function<void(std::optional<Placement>)> completion)
{
    const std::optional<Placement> bounds = m_frontBounds;
    post([completion, bounds] { completion(bounds); });
}
