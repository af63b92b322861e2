#include "common/FakeFileManagerConnection.h"

#include <QTimer>

void FakeFileManagerConnection::perform(const FileManagerRequest &request, Answer answer)
{
    m_performed.append(request);
    Step step = m_default;
    if (!m_steps.empty()) {
        step = m_steps.front();
        m_steps.pop_front();
    }
    if (step.hang) {
        m_hung.emplace_back(step.result, std::move(answer));
        return;
    }
    const int cancellations = m_cancellations;
    QTimer::singleShot(0, this, [this, cancellations, result = step.result, answer] {
        if (m_cancellations != cancellations)
            return;
        ++m_finished;
        answer(result);
    });
}

void FakeFileManagerConnection::cancel()
{
    ++m_cancellations;
    m_hung.clear();
}

void FakeFileManagerConnection::enqueue(Step step)
{
    m_steps.push_back(std::move(step));
}

void FakeFileManagerConnection::setDefault(Step step)
{
    m_default = std::move(step);
}

void FakeFileManagerConnection::releaseHung()
{
    for (auto hung = std::exchange(m_hung, {}); auto &[result, answer] : hung) {
        ++m_finished;
        answer(result);
    }
}
