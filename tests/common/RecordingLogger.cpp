#include "common/RecordingLogger.h"

void RecordingLogger::write(Level level, const QString &message)
{
    std::lock_guard lock(m_mutex);
    m_lines.append(QLatin1Char('[') + levelName(level) + QStringLiteral("] ") + message);
}

QStringList RecordingLogger::lines() const
{
    std::lock_guard lock(m_mutex);
    return m_lines;
}

bool RecordingLogger::contains(const QString &line) const
{
    return count(line) > 0;
}

int RecordingLogger::count(const QString &line) const
{
    std::lock_guard lock(m_mutex);
    return int(m_lines.count(line));
}

void RecordingLogger::clear()
{
    std::lock_guard lock(m_mutex);
    m_lines.clear();
}
