#pragma once

#include <QString>

class QFontMetrics;

namespace ElidedLines {

/// `text` as it fits in `maxLines` word-wrapped lines of `width`: whole when it fits, else
/// cut at the end of its first part with "…" and followed by `keep` (its own ending, such as
/// a count), which is never cut.
QString fit(const QString &text, const QString &keep, const QFontMetrics &metrics, int width, int maxLines);

} // namespace ElidedLines
