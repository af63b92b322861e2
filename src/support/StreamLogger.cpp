#include "support/StreamLogger.h"

#include "support/LogLine.h"

#include <QDateTime>

StreamLogger::StreamLogger(std::FILE *stream)
    : m_stream(stream)
{
}

void StreamLogger::write(Level level, const QString &message)
{
    const QByteArray line = LogLine::format(QDateTime::currentDateTime(), level, message);
    std::lock_guard lock(m_mutex);
    std::fwrite(line.constData(), 1, std::size_t(line.size()), m_stream);
    std::fflush(m_stream);
}
