#include "platform/linux/FileManagerScript.h"

#include "filemanager/FinderScripts.h"

#include <QStringList>
#include <QUrl>

#include <algorithm>

namespace {

/// The literal between `prefix` and `suffix` on the line that starts with `prefix`.
std::optional<QString> literalOnLine(const QStringList &lines, const QString &prefix, const QString &suffix)
{
    for (const QString &line : lines) {
        if (line.startsWith(prefix) && line.endsWith(suffix) && line.size() >= prefix.size() + suffix.size())
            return FileManagerScript::unescapeLiteral(
                line.mid(prefix.size(), line.size() - prefix.size() - suffix.size()));
    }
    return std::nullopt;
}

std::optional<Placement> boundsOnLines(const QStringList &lines)
{
    const QString prefix = QStringLiteral("        set bounds of w to {");
    for (const QString &line : lines) {
        if (!line.startsWith(prefix) || !line.endsWith(QLatin1Char('}')))
            continue;
        const QStringList numbers
            = line.mid(prefix.size(), line.size() - prefix.size() - 1).split(QStringLiteral(", "));
        if (numbers.size() != 4)
            return std::nullopt;
        qint64 values[4] = {};
        for (int index = 0; index < 4; ++index) {
            bool ok = false;
            values[index] = numbers.at(index).toLongLong(&ok);
            if (!ok)
                return std::nullopt;
        }
        return Placement { values[0], values[1], values[2] - values[0], values[3] - values[1] };
    }
    return std::nullopt;
}

void setWhy(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
}

} // namespace

std::optional<QString> FileManagerScript::unescapeLiteral(const QString &literal)
{
    QString value;
    value.reserve(literal.size());
    for (qsizetype index = 0; index < literal.size(); ++index) {
        const QChar c = literal.at(index);
        if (c == QLatin1Char('"'))
            return std::nullopt; // a bare quote would have ended the literal
        if (c != QLatin1Char('\\')) {
            value += c;
            continue;
        }
        if (++index == literal.size())
            return std::nullopt;
        switch (literal.at(index).unicode()) {
        case '\\':
            value += QLatin1Char('\\');
            break;
        case '"':
            value += QLatin1Char('"');
            break;
        case 'n':
            value += QLatin1Char('\n');
            break;
        case 'r':
            value += QLatin1Char('\r');
            break;
        case 't':
            value += QLatin1Char('\t');
            break;
        default:
            return std::nullopt;
        }
    }
    return value;
}

std::optional<FileManagerScript> FileManagerScript::recognize(const QString &source, QString *why)
{
    if (source == FinderScripts::permissionCheckScript())
        return FileManagerScript { Kind::PermissionCheck, {}, {}, {} };
    if (source == FinderScripts::frontWindowBoundsScript())
        return FileManagerScript { Kind::FrontWindowBounds, {}, {}, {} };
    if (source == FinderScripts::activateScript())
        return FileManagerScript { Kind::Activate, {}, {}, {} };

    // Read the values out of an open script, then write the script again from them: only
    // a text that comes back byte for byte is one of ours.
    const QStringList lines = source.split(QLatin1Char('\n'));
    const std::optional<QString> folder = literalOnLine(
        lines, QStringLiteral("        set theFolder to POSIX file \""), QStringLiteral("\" as alias"));
    if (!folder || folder->isEmpty() || !folder->startsWith(QLatin1Char('/'))) {
        setWhy(why, QStringLiteral("not a script Mirvale writes"));
        return std::nullopt;
    }
    FileManagerScript script { Kind::Open, *folder, {}, boundsOnLines(lines) };
    const QString revealPrefix = QStringLiteral("            reveal (POSIX file \"");
    if (lines.contains(QStringLiteral("        try"))
        || std::any_of(lines.cbegin(), lines.cend(),
            [&](const QString &line) { return line.startsWith(revealPrefix); })) {
        script.selectFile = literalOnLine(lines, revealPrefix, QStringLiteral("\" as alias)"));
        if (!script.selectFile || !script.selectFile->startsWith(QLatin1Char('/'))) {
            setWhy(why, QStringLiteral("malformed file to select"));
            return std::nullopt;
        }
    }
    const std::optional<QUrl> file
        = script.selectFile ? std::optional<QUrl>(QUrl::fromLocalFile(*script.selectFile)) : std::nullopt;
    if (FinderScripts::openScript(QUrl::fromLocalFile(script.folderPath), script.placement, file) != source) {
        setWhy(why, QStringLiteral("an open script that differs from the one Mirvale writes"));
        return std::nullopt;
    }
    return script;
}
