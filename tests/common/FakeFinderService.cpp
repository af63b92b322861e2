#include "common/FakeFinderService.h"

#include "support/MainQueue.h"

void FakeFinderService::open(const QUrl &folder, const std::optional<Placement> &placement, bool bringToFront,
    const std::optional<QUrl> &selectFile, Completion completion)
{
    std::optional<DovettaError> outcome;
    bool immediate = false;
    {
        std::lock_guard lock(m_mutex);
        m_requests.append({ folder, placement, bringToFront, selectFile, completion });
        immediate = m_answerImmediately;
        outcome = m_immediateOutcome;
    }
    if (immediate)
        MainQueue::async([completion, outcome] { completion(outcome); });
}

void FakeFinderService::checkAutomationPermission(std::function<void(bool)> completion)
{
    const bool granted = m_granted;
    MainQueue::async([completion, granted] { completion(granted); });
}

void FakeFinderService::answerImmediately(std::optional<DovettaError> outcome)
{
    std::lock_guard lock(m_mutex);
    m_answerImmediately = true;
    m_immediateOutcome = std::move(outcome);
}

void FakeFinderService::answerLater()
{
    std::lock_guard lock(m_mutex);
    m_answerImmediately = false;
}

int FakeFinderService::requestCount() const
{
    std::lock_guard lock(m_mutex);
    return int(m_requests.size());
}

FakeFinderService::Request FakeFinderService::request(int index) const
{
    std::lock_guard lock(m_mutex);
    return m_requests.at(index);
}

void FakeFinderService::complete(int index, std::optional<DovettaError> outcome)
{
    request(index).completion(std::move(outcome));
}

void FakeFinderService::captureFrontWindowBounds(std::function<void(std::optional<Placement>)> completion)
{
    const std::optional<Placement> bounds = m_frontBounds;
    MainQueue::async([completion, bounds] { completion(bounds); });
}
