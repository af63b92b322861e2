#include "ui/ElidedLines.h"

#include <QFontMetrics>

namespace {

bool fits(const QString &text, const QFontMetrics &metrics, int width, int maxLines)
{
    // Laid out as a word-wrapping label lays out plain text.
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text);
    return needed.width() <= width && needed.height() <= maxLines * metrics.lineSpacing();
}

} // namespace

QString ElidedLines::fit(
    const QString &text, const QString &keep, const QFontMetrics &metrics, int width, int maxLines)
{
    if (fits(text, metrics, width, maxLines))
        return text;
    const QString body = text.endsWith(keep) ? text.chopped(keep.size()) : text;
    const auto shortened
        = [&](qsizetype length) { return body.left(length).trimmed() + QStringLiteral("\u2026") + keep; };
    // The longest beginning of the body that still fits with the ending.
    qsizetype shortest = 0;
    qsizetype longest = body.size();
    while (shortest < longest) {
        const qsizetype middle = (shortest + longest + 1) / 2;
        if (fits(shortened(middle), metrics, width, maxLines))
            shortest = middle;
        else
            longest = middle - 1;
    }
    return shortened(shortest);
}
