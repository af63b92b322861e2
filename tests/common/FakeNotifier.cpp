#include "common/FakeNotifier.h"

void FakeNotifier::cardOpened(
    const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount)
{
    std::lock_guard lock(m_mutex);
    m_opened.append({ card, target, fileCount });
}

void FakeNotifier::cardProblem(const MountedCard &card, const UserText &message)
{
    std::lock_guard lock(m_mutex);
    m_problems.append({ card, message.shown() });
}

QList<FakeNotifier::Problem> FakeNotifier::problems() const
{
    std::lock_guard lock(m_mutex);
    return m_problems;
}

QList<FakeNotifier::Opened> FakeNotifier::opened() const
{
    std::lock_guard lock(m_mutex);
    return m_opened;
}
