#include "support/ShownText.h"

#include "support/LogLine.h"

#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

constexpr char16_t kFirstStrongIsolate = 0x2068;
constexpr char16_t kPopDirectionalIsolate = 0x2069;
constexpr char16_t kZeroWidthSpace = 0x200B;
// Runs longer than this wrap inside, at slashes, and every step in parts longer than this;
// lines then end at most a step short of the edge.
constexpr qsizetype kLongRun = 24;
constexpr qsizetype kBreakStep = 12;

bool isRightToLeft(QChar c)
{
    switch (c.direction()) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
        return true;
    default:
        return false;
    }
}

} // namespace

QString ShownText::visible(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20)
            shown.append(QChar(char16_t(0x2400 + code)));
        else if (code == 0x7F)
            shown.append(QChar(char16_t(0x2421)));
        else if ((code >= 0x80 && code < 0xA0) || LogLine::isBidiControl(code) || code == 0x2028
            || code == 0x2029)
            shown.append(QStringLiteral("<U+%1>").arg(int(code), 4, 16, QLatin1Char('0')).toUpper());
        else
            shown.append(c);
    }
    return shown;
}

QString ShownText::isolated(const QString &text)
{
    const QString shown = visible(text);
    if (std::none_of(shown.cbegin(), shown.cend(), isRightToLeft))
        return shown;
    return QChar(kFirstStrongIsolate) + shown + QChar(kPopDirectionalIsolate);
}

QString ShownText::forTerminal(const QString &text)
{
    // Each isolate is closed before the next opens, and what it holds is escaped: no raw
    // control can reach the terminal, and an unclosed isolate cannot swallow the line.
    QString out;
    qsizetype from = 0;
    for (qsizetype open = text.indexOf(QChar(kFirstStrongIsolate)); open >= 0;
         open = text.indexOf(QChar(kFirstStrongIsolate), from)) {
        const qsizetype close = text.indexOf(QChar(kPopDirectionalIsolate), open + 1);
        if (close < 0)
            break;
        out += LogLine::escaped(text.mid(from, open - from)) + QChar(kFirstStrongIsolate)
            + LogLine::escaped(text.mid(open + 1, close - open - 1)) + QChar(kPopDirectionalIsolate);
        from = close + 1;
    }
    return out + LogLine::escaped(text.mid(from));
}

QString ShownText::wrappable(const QString &text)
{
    // Whole characters (a base and its accents, a surrogate pair), so that no break splits one.
    QStringList characters;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype from = 0, to = graphemes.toNextBoundary(); to > from;
         from = to, to = graphemes.toNextBoundary())
        characters.append(text.mid(from, to - from));
    const auto isSpace = [&characters](qsizetype at) { return characters.at(at).front().isSpace(); };
    QString out;
    out.reserve(text.size() + text.size() / kBreakStep);
    for (qsizetype at = 0; at < characters.size();) {
        qsizetype end = at;
        while (end < characters.size() && !isSpace(end))
            ++end;
        const bool longRun = end - at > kLongRun;
        qsizetype breakAfter = -1;
        for (; at < end; ++at) {
            if (longRun && breakAfter < at) {
                // After the next slash, unless the part before it would not fit a line itself.
                qsizetype slash = at;
                while (slash < end && characters.at(slash) != u"/")
                    ++slash;
                breakAfter = (slash < end ? slash + 1 : end) - at > kLongRun ? at + kBreakStep - 1 : slash;
            }
            out += characters.at(at);
            if (at == breakAfter && at + 1 < end)
                out += QChar(kZeroWidthSpace);
        }
        for (; at < characters.size() && isSpace(at); ++at)
            out += characters.at(at);
    }
    return out;
}

QString ShownText::forQtMenu(const QString &label)
{
    QString text = label;
    return text.replace(u'&', QStringLiteral("&&"));
}

QString ShownText::forDBusMenu(const QString &label)
{
    QString text = label;
    text.replace(u'_', QStringLiteral("__"));
    // Qt's conversion is spent on a leading `&`, which becomes a harmless mnemonic marker.
    const qsizetype ampersand = text.indexOf(u'&');
    if (ampersand >= 0 && ampersand < text.size() - 1)
        text.prepend(u'&');
    return text;
}
