#include "support/LocalizedCompare.h"

#include <QCollator>
#include <QLocale>

int LocalizedCompare::compare(const QString &a, const QString &b)
{
    // A collator is not safe to share between threads; each thread keeps its own.
    thread_local const QCollator collator = [] {
        // Qt compares code points in the C locale, which would lose the numeric ordering
        // that users expect; such sessions get an English collation instead.
        QLocale locale;
        if (locale.language() == QLocale::C)
            locale = QLocale(QLocale::English, QLocale::UnitedStates);
        QCollator made(locale);
        made.setNumericMode(true);
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    return collator.compare(a, b);
}
