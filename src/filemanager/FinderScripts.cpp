#include "filemanager/FinderScripts.h"

#include <QDir>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

const QString kFinderTell = QStringLiteral("tell application \"Finder\"\n");

QString boundsText(const Placement &wanted)
{
    // A rule loaded from a file was never validated; its edges must not overflow.
    const Placement placement = wanted.withinValidRanges();
    return QStringLiteral("%1, %2, %3, %4")
        .arg(placement.left)
        .arg(placement.top)
        .arg(placement.right())
        .arg(placement.bottom());
}

QString folderUrlText(const QString &path)
{
    QString url = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    if (!url.endsWith(QLatin1Char('/')))
        url += QLatin1Char('/');
    return url;
}

} // namespace

QString FinderScripts::escapeLiteral(const QString &value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    escaped.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    escaped.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return escaped;
}

QString FinderScripts::wrapInFinderTell(const QString &body, std::optional<int> timeoutSeconds)
{
    QString text = kFinderTell;
    const QString indent = timeoutSeconds ? QStringLiteral("        ") : QStringLiteral("    ");
    if (timeoutSeconds)
        text += QStringLiteral("    with timeout of %1 seconds\n").arg(*timeoutSeconds);
    const QStringList pieces = body.split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    for (const QString &piece : pieces)
        text += indent + piece + QLatin1Char('\n');
    if (timeoutSeconds)
        text += QStringLiteral("    end timeout\n");
    text += QStringLiteral("end tell");
    return text;
}

QString FinderScripts::standardizedPath(const QUrl &folder)
{
    // cleanPath resolves "." and "..", folds repeated separators and drops a trailing "/"
    // (keeping the root), which is how the file-system path of a folder URL reads.
    return QDir::cleanPath(folder.toLocalFile());
}

QString FinderScripts::openScript(
    const QUrl &folder, const std::optional<Placement> &placement, const std::optional<QUrl> &selectFile)
{
    const QString rawPath = standardizedPath(folder);
    const QString path = escapeLiteral(rawPath);
    const QString url = escapeLiteral(folderUrlText(rawPath));
    QString rawBase = rawPath;
    if (rawBase.endsWith(QLatin1Char('/')))
        rawBase.chop(1);
    const QString base = escapeLiteral(rawBase);

    QStringList lines = {
        QStringLiteral("set theFolder to POSIX file \"") + path + QStringLiteral("\" as alias"),
        QStringLiteral("set wantURL to \"") + url + QStringLiteral("\""),
        QStringLiteral("set wantPath to \"") + base + QStringLiteral("\""),
        QStringLiteral("set wantPathSlash to \"") + base + QStringLiteral("/\""),
        QStringLiteral("set w to missing value"),
        QStringLiteral("repeat with i from 1 to (count of Finder windows)"),
        QStringLiteral("    try"),
        QStringLiteral("        set t to target of Finder window i"),
        QStringLiteral("        if (URL of t) is wantURL then"),
        QStringLiteral("            set w to Finder window i"),
        QStringLiteral("            exit repeat"),
        QStringLiteral("        end if"),
        QStringLiteral("        set p to POSIX path of (t as alias)"),
        QStringLiteral("        if p is wantPath or p is wantPathSlash then"),
        QStringLiteral("            set w to Finder window i"),
        QStringLiteral("            exit repeat"),
        QStringLiteral("        end if"),
        QStringLiteral("    end try"),
        QStringLiteral("end repeat"),
        QStringLiteral("if w is missing value then set w to make new Finder window to theFolder"),
    };
    const QString setBounds = placement
        ? QStringLiteral("set bounds of w to {") + boundsText(*placement) + QStringLiteral("}")
        : QString();
    if (placement)
        lines << setBounds;
    lines << QStringLiteral("set index of w to 1");
    if (selectFile) {
        const QString file = escapeLiteral(QDir::cleanPath(selectFile->toLocalFile()));
        lines << QStringLiteral("try")
              << QStringLiteral("    reveal (POSIX file \"") + file + QStringLiteral("\" as alias)")
              << QStringLiteral("    set w to front Finder window") << QStringLiteral("end try");
        if (placement)
            lines << setBounds;
        lines << QStringLiteral("set index of w to 1");
    }
    lines << QStringLiteral("return id of w");
    return wrapInFinderTell(lines.join(QLatin1Char('\n')), kScriptTimeoutSeconds);
}

QString FinderScripts::permissionCheckScript()
{
    return wrapInFinderTell(QStringLiteral("return count of Finder windows"), std::nullopt);
}

QString FinderScripts::frontWindowBoundsScript()
{
    return wrapInFinderTell(QStringLiteral("return bounds of front Finder window"), kScriptTimeoutSeconds);
}

QString FinderScripts::activateScript()
{
    return wrapInFinderTell(QStringLiteral("activate"), kScriptTimeoutSeconds);
}

Placement FinderScripts::clamp(const Placement &requested, const ScreenSnapshot &screens)
{
    // First into the ranges validation accepts: a rule loaded from a file was never
    // validated, and nothing below may overflow or lose precision on its values.
    const Placement placement = requested.withinValidRanges();
    if (screens.visibleFramesTopLeft.isEmpty())
        return placement;
    const qint64 width = placement.width;
    const qint64 height = placement.height;
    const QRectF wanted(double(placement.left), double(placement.top), double(width), double(height));
    const bool onSomeScreen
        = std::any_of(screens.visibleFramesTopLeft.cbegin(), screens.visibleFramesTopLeft.cend(),
            [&wanted](const QRectF &frame) { return frame.intersects(wanted); });
    if (onSomeScreen)
        return { placement.left, placement.top, width, height };

    const QRectF &main = screens.mainVisibleTopLeft;
    const auto truncated = [](double value) { return qint64(std::trunc(value)); };
    return {
        truncated(main.x()) + 20,
        truncated(main.y()) + 20,
        std::min(width, std::max<qint64>(truncated(main.width()) - 40, 1)),
        std::min(height, std::max<qint64>(truncated(main.height()) - 40, 1)),
    };
}
