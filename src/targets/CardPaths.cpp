#include "targets/CardPaths.h"

#include <QFile>

#include <cstdlib>

#include <sys/stat.h>

std::optional<QByteArray> CardPaths::native(const QString &path)
{
    if (path.contains(QChar(u'\0')))
        return std::nullopt;
    return QFile::encodeName(path);
}

QString CardPaths::join(const QString &directory, const QString &relative)
{
    if (directory.endsWith(QLatin1Char('/')))
        return directory + relative;
    return directory + QLatin1Char('/') + relative;
}

std::optional<QByteArray> CardPaths::resolved(const QString &path)
{
    const std::optional<QByteArray> bytes = native(path);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    char *real = ::realpath(bytes->constData(), nullptr);
    if (!real)
        return std::nullopt;
    QByteArray result(real);
    std::free(real);
    return result;
}

bool CardPaths::isDirectory(const QString &path)
{
    const std::optional<QByteArray> bytes = native(path);
    if (!bytes || bytes->isEmpty())
        return false;
    struct stat info { };
    return ::stat(bytes->constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

QString CardPaths::forLog(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n')
            out += QStringLiteral("\\n");
        else if (u == u'\r')
            out += QStringLiteral("\\r");
        else if (u == u'\t')
            out += QStringLiteral("\\t");
        else if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0) || u == 0x2028 || u == 0x2029)
            out += QStringLiteral("\\x")
                + QString::number(u, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}
