#include "support/Semaphore.h"

Semaphore::Semaphore(int initial)
    : m_count(initial)
{
}

void Semaphore::signal()
{
    // Notified under the lock: a waiter that returns may destroy the semaphore at once,
    // and must not do so while this call still touches the condition variable.
    std::lock_guard lock(m_mutex);
    ++m_count;
    m_condition.notify_one();
}

void Semaphore::wait()
{
    std::unique_lock lock(m_mutex);
    m_condition.wait(lock, [this] { return m_count > 0; });
    --m_count;
}

bool Semaphore::waitUntil(Clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    if (!m_condition.wait_until(lock, deadline, [this] { return m_count > 0; }))
        return false;
    --m_count;
    return true;
}
