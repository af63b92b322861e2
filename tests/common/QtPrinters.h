#pragma once

#include <QString>
#include <QUrl>

#include <ostream>

// Readable failure messages for Qt values in GoogleTest assertions.
inline void PrintTo(const QString &value, std::ostream *out)
{
    *out << '"' << value.toStdString() << '"';
}

inline void PrintTo(const QUrl &value, std::ostream *out)
{
    *out << value.toString().toStdString();
}
