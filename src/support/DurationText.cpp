#include "support/DurationText.h"

#include <algorithm>

QString DurationText::seconds(std::chrono::milliseconds duration)
{
    const qint64 ms = std::max<qint64>(duration.count(), 0);
    QString text = QString::number(ms / 1000);
    if (ms % 1000 != 0) {
        QString fraction = QString::number(ms % 1000).rightJustified(3, QLatin1Char('0'));
        while (fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
        text += QLatin1Char('.') + fraction;
    }
    return text + QLatin1Char('s');
}
