#include "support/ByteCountFormatter.h"

#include <QLocale>

#include <array>
#include <cmath>

QString ByteCountFormatter::fileStyle(qint64 bytes, bool allowsNonnumeric)
{
    if (bytes == 0 && allowsNonnumeric)
        return QStringLiteral("Zero KB");
    const QLocale locale
        = QLocale::system().language() == QLocale::C ? QLocale(QLocale::English) : QLocale::system();
    const bool negative = bytes < 0;
    // Work on the magnitude; the most negative value has no positive counterpart in qint64.
    const double magnitude = negative ? -double(bytes) : double(bytes);
    const QString sign = negative ? QStringLiteral("-") : QString();
    if (magnitude < 1000.0) {
        const auto whole = qint64(magnitude);
        return sign + locale.toString(whole)
            + (whole == 1 ? QStringLiteral(" byte") : QStringLiteral(" bytes"));
    }
    static const std::array<const char *, 6> units { "KB", "MB", "GB", "TB", "PB", "EB" };
    double value = magnitude / 1000.0;
    std::size_t unit = 0;
    // Round first so that 999,950 bytes reads "1 MB" rather than "1,000 KB".
    auto rounded = [&](double v, std::size_t u) {
        const double scale = u == 0 ? 1.0 : 10.0;
        return std::round(v * scale) / scale;
    };
    while (unit + 1 < units.size() && rounded(value, unit) >= 1000.0) {
        value /= 1000.0;
        ++unit;
    }
    const int decimals = unit == 0 ? 0 : 1;
    return sign + locale.toString(rounded(value, unit), 'f', decimals) + QLatin1Char(' ')
        + QLatin1String(units[unit]);
}
