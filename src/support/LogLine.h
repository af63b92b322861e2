#pragma once

#include "support/Logger.h"

#include <QByteArray>
#include <QDateTime>

/// The log's line format: "yyyy-MM-dd HH:mm:ss.SSS [LEVEL] message\n" in local time,
/// always with Western digits and the Gregorian calendar.
namespace LogLine {

/// The whole line; the message goes through escaped(), so that no caller can forge a line.
QByteArray format(const QDateTime &localTime, Logger::Level level, const QString &message);

/// The message with every character that could start a new line, hide text or reorder it
/// on screen written as an escape: "\n", "\r", "\t", "\x1B" for the other C0 and C1 controls
/// and DEL, "\u202E" for line and paragraph separators, bidirectional controls and
/// unpaired surrogates. Volume labels and file names reach the log as they are.
QString escaped(const QString &message);

/// Whether `u` reorders text on screen: the bidirectional marks, embeddings, overrides and isolates.
bool isBidiControl(char16_t u);

} // namespace LogLine
