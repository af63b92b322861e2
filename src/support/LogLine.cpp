#include "support/LogLine.h"

#include <QDate>
#include <QTime>

QString Logger::levelName(Level level)
{
    switch (level) {
    case Level::Info:
        return QStringLiteral("INFO");
    case Level::Warn:
        return QStringLiteral("WARN");
    case Level::Error:
        return QStringLiteral("ERROR");
    }
    return QStringLiteral("INFO");
}

namespace {

void appendNumber(QByteArray &out, int value, int width)
{
    char digits[8];
    for (int i = width - 1; i >= 0; --i) {
        digits[i] = char('0' + value % 10);
        value /= 10;
    }
    out.append(digits, width);
}

} // namespace

QByteArray LogLine::format(const QDateTime &localTime, Logger::Level level, const QString &message)
{
    // Built by hand rather than through a locale-aware formatter: the format is fixed and
    // must not pick up the user's digits or calendar.
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    const QByteArray text = message.toUtf8();
    QByteArray line;
    line.reserve(32 + text.size());
    appendNumber(line, date.year(), 4);
    line.append('-');
    appendNumber(line, date.month(), 2);
    line.append('-');
    appendNumber(line, date.day(), 2);
    line.append(' ');
    appendNumber(line, time.hour(), 2);
    line.append(':');
    appendNumber(line, time.minute(), 2);
    line.append(':');
    appendNumber(line, time.second(), 2);
    line.append('.');
    appendNumber(line, time.msec(), 3);
    line.append(" [");
    line.append(Logger::levelName(level).toLatin1());
    line.append("] ");
    line.append(text);
    line.append('\n');
    return line;
}
