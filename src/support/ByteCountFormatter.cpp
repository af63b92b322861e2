#include "support/ByteCountFormatter.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>
#include <cmath>

namespace {

/// `english`: English words and English number format, whatever the user's language.
QString format(qint64 bytes, bool allowsNonnumeric, bool english)
{
    const auto text = [english](const char *source, int n = -1) {
        return english ? UserText::english("ByteCountFormatter", source, nullptr, n)
                       : QCoreApplication::translate("ByteCountFormatter", source, nullptr, n);
    };
    if (bytes == 0 && allowsNonnumeric)
        return text(QT_TRANSLATE_NOOP("ByteCountFormatter", "Zero KB"));
    const QLocale locale = english || QLocale::system().language() == QLocale::C ? QLocale(QLocale::English)
                                                                                 : QLocale::system();
    const bool negative = bytes < 0;
    // Work on the magnitude; the most negative value has no positive counterpart in qint64.
    const double magnitude = negative ? -double(bytes) : double(bytes);
    const QString sign = negative ? QStringLiteral("-") : QString();
    if (magnitude < 1000.0) {
        const auto whole = qint64(magnitude);
        // translate() writes %n in plain digits; the locale's own digits replace them.
        //: A size below a kilobyte, such as "512 bytes".
        return sign
            + text(QT_TRANSLATE_N_NOOP("ByteCountFormatter", "%n bytes"), int(whole))
                  .replace(QString::number(whole), locale.toString(whole));
    }
    //: %1 is the size's number, such as "31.9".
    static const std::array<const char *, 6> units { QT_TRANSLATE_NOOP("ByteCountFormatter", "%1 KB"),
        QT_TRANSLATE_NOOP("ByteCountFormatter", "%1 MB"), QT_TRANSLATE_NOOP("ByteCountFormatter", "%1 GB"),
        QT_TRANSLATE_NOOP("ByteCountFormatter", "%1 TB"), QT_TRANSLATE_NOOP("ByteCountFormatter", "%1 PB"),
        QT_TRANSLATE_NOOP("ByteCountFormatter", "%1 EB") };
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
    return sign + text(units[unit]).arg(locale.toString(rounded(value, unit), 'f', decimals));
}

} // namespace

QString ByteCountFormatter::fileStyle(qint64 bytes, bool allowsNonnumeric)
{
    return format(bytes, allowsNonnumeric, false);
}

UserText ByteCountFormatter::fileStyleText(qint64 bytes, bool allowsNonnumeric)
{
    return UserText::of(format(bytes, allowsNonnumeric, false), format(bytes, allowsNonnumeric, true));
}
