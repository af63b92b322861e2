#include "common/FakeFileManagerConnection.h"

FakeFileManagerConnection::~FakeFileManagerConnection()
{
    releaseHung();
}

FileManagerConnection::Result FakeFileManagerConnection::perform(const FileManagerRequest &request)
{
    std::unique_lock lock(m_mutex);
    m_performed.append(request);
    Step step = m_default;
    if (!m_steps.empty()) {
        step = m_steps.front();
        m_steps.pop_front();
    }
    if (step.hang) {
        ++m_hung;
        const int cancellations = m_cancellations;
        m_released.wait(lock, [&] { return m_releaseHung || m_cancellations != cancellations; });
        --m_hung;
        if (m_cancellations != cancellations) {
            ++m_finished;
            return FileManagerFailure { FileManagerFailure::Kind::TimedOut, QStringLiteral("cancelled") };
        }
    }
    ++m_finished;
    return step.result;
}

void FakeFileManagerConnection::cancel()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_cancellations;
    }
    m_released.notify_all();
}

bool FakeFileManagerConnection::isCancelled() const
{
    std::lock_guard lock(m_mutex);
    return m_cancellations > 0;
}

void FakeFileManagerConnection::enqueue(Step step)
{
    std::lock_guard lock(m_mutex);
    m_steps.push_back(std::move(step));
}

void FakeFileManagerConnection::setDefault(Step step)
{
    std::lock_guard lock(m_mutex);
    m_default = std::move(step);
}

void FakeFileManagerConnection::releaseHung()
{
    {
        std::lock_guard lock(m_mutex);
        m_releaseHung = true;
    }
    m_released.notify_all();
}

QList<FileManagerRequest> FakeFileManagerConnection::performed() const
{
    std::lock_guard lock(m_mutex);
    return m_performed;
}

int FakeFileManagerConnection::hungCount() const
{
    std::lock_guard lock(m_mutex);
    return m_hung;
}

int FakeFileManagerConnection::finishedCount() const
{
    std::lock_guard lock(m_mutex);
    return m_finished;
}
