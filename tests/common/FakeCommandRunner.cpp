#include "common/FakeCommandRunner.h"

CommandRunner::Result FakeCommandRunner::run(const QString &program, const QStringList &arguments)
{
    std::lock_guard lock(m_mutex);
    m_calls.append(QStringList { program } + arguments);
    return m_results.value(program, exited(0));
}

void FakeCommandRunner::script(const QString &program, const Result &result)
{
    std::lock_guard lock(m_mutex);
    m_results.insert(program, result);
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

CommandRunner::Result FakeCommandRunner::exited(int status)
{
    Result result;
    result.started = true;
    result.exitStatus = status;
    return result;
}

CommandRunner::Result FakeCommandRunner::notStarted(const QString &reason)
{
    Result result;
    result.startError = reason;
    return result;
}
