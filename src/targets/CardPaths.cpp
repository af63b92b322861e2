#include "targets/CardPaths.h"

#include <QFile>

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
