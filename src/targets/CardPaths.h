#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

/// Small path helpers shared by the resolver and the newest entry finder.
namespace CardPaths {

/// The path as the kernel sees it, or none when it holds a NUL, which would silently cut
/// the path short at that point.
std::optional<QByteArray> native(const QString &path);

/// `relative` appended to the absolute `directory` with exactly one "/" between them.
QString join(const QString &directory, const QString &relative);

/// Every symbolic link resolved and "." and ".." removed; none when the path does not exist
/// or cannot be resolved (a link loop, a lost permission).
std::optional<QByteArray> resolved(const QString &path);

/// Whether the path exists and is a directory, following symbolic links.
bool isDirectory(const QString &path);

/// The text to put in a log line: control characters (a newline in a file name would start
/// a forged log line) are written as escapes such as "\n" or "\x1B".
QString forLog(const QString &text);

} // namespace CardPaths
