#pragma once

#include "support/Logger.h"

#include <QByteArray>
#include <QDateTime>

/// The log's line format: "yyyy-MM-dd HH:mm:ss.SSS [LEVEL] message\n" in local time,
/// always with Western digits and the Gregorian calendar.
namespace LogLine {
QByteArray format(const QDateTime &localTime, Logger::Level level, const QString &message);
}
