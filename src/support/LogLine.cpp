#include "support/LogLine.h"

#include <QDate>
#include <QTime>

QString Logger::levelName(Level level)
{
    switch (level) {
    case Level::Debug:
        return QStringLiteral("DEBUG");
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

/// Needs an escape, leaving surrogates aside.
bool isUnsafe(char16_t u)
{
    return u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0) || u == 0x2028 || u == 0x2029
        || LogLine::isBidiControl(u);
}

QString hex(char16_t u, int width)
{
    return QString::number(u, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

} // namespace

QString LogLine::escaped(const QString &message)
{
    const qsizetype size = message.size();
    const auto needsEscape = [&message, size](qsizetype i) {
        const char16_t u = message[i].unicode();
        if (QChar::isHighSurrogate(u))
            return i + 1 >= size || !QChar::isLowSurrogate(message[i + 1].unicode());
        if (QChar::isLowSurrogate(u))
            return i == 0 || !QChar::isHighSurrogate(message[i - 1].unicode());
        return isUnsafe(u);
    };
    qsizetype first = 0;
    while (first < size && !needsEscape(first))
        ++first;
    if (first == size)
        return message; // the usual case: nothing to copy

    QString out = message.left(first);
    out.reserve(size + 16);
    for (qsizetype i = first; i < size; ++i) {
        const char16_t u = message[i].unicode();
        if (!needsEscape(i))
            out += QChar(u);
        else if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (u == u'\r')
            out += QStringLiteral("\\r");
        else if (u == u'\t')
            out += QStringLiteral("\\t");
        else if (u <= 0xFF)
            out += QStringLiteral("\\x") + hex(u, 2);
        else
            out += QStringLiteral("\\u") + hex(u, 4);
    }
    return out;
}

QByteArray LogLine::format(const QDateTime &localTime, Logger::Level level, const QString &message)
{
    // Built by hand rather than through a locale-aware formatter: the format is fixed and
    // must not pick up the user's digits or calendar.
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    const QByteArray text = escaped(message).toUtf8();
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

bool LogLine::isBidiControl(char16_t u)
{
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E)
        || (u >= 0x2066 && u <= 0x2069);
}
