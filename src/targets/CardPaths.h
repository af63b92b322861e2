#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

/// Small path helpers (text only, no file system access) shared by the resolver and the
/// newest entry finder.
namespace CardPaths {

/// The path as the kernel sees it, or none when it holds a NUL, which would silently cut
/// the path short at that point.
std::optional<QByteArray> native(const QString &path);

/// `relative` appended to the absolute `directory` with exactly one "/" between them.
QString join(const QString &directory, const QString &relative);

/// The text to put in a log line: control characters (a newline in a file name would start
/// a forged log line) are written as escapes such as "\n" or "\x1B".
QString forLog(const QString &text);

} // namespace CardPaths
