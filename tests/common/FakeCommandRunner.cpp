#include "common/FakeCommandRunner.h"

#include <thread>

CommandRunner::Result FakeCommandRunner::run(
    const QString &program, const QStringList &arguments, const Limits &limits)
{
    std::unique_lock lock(m_mutex);
    m_calls.append(QStringList { program } + arguments);
    const QString line = (QStringList { program } + arguments).join(QLatin1Char(' '));
    if (m_lineResults.contains(line))
        return m_lineResults.value(line);
    if (!m_hanging.count(program))
        return m_results.value(program, exited(0));
    ++m_hangingCount;
    lock.unlock();
    while (!(limits.cutOff && limits.cutOff()))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    lock.lock();
    --m_hangingCount;
    Result result = exited(-1);
    result.cutOff = true;
    return result;
}

void FakeCommandRunner::hang(const QString &program)
{
    std::lock_guard lock(m_mutex);
    m_hanging.insert(program);
}

int FakeCommandRunner::hangingCount() const
{
    std::lock_guard lock(m_mutex);
    return m_hangingCount;
}

void FakeCommandRunner::script(const QString &program, const Result &result)
{
    std::lock_guard lock(m_mutex);
    m_results.insert(program, result);
}

void FakeCommandRunner::scriptLine(const QString &commandLine, const Result &result)
{
    std::lock_guard lock(m_mutex);
    m_lineResults.insert(commandLine, result);
}

QList<QStringList> FakeCommandRunner::calls() const
{
    std::lock_guard lock(m_mutex);
    return m_calls;
}

QStringList FakeCommandRunner::commandLines() const
{
    QStringList lines;
    for (const QStringList &call : calls())
        lines.append(call.join(QLatin1Char(' ')));
    return lines;
}

CommandRunner::Result FakeCommandRunner::exited(int status, const QString &output)
{
    Result result;
    result.started = true;
    result.exitStatus = status;
    result.standardOutput = output;
    return result;
}

CommandRunner::Result FakeCommandRunner::notStarted(const QString &reason)
{
    Result result;
    result.startError = reason;
    return result;
}
