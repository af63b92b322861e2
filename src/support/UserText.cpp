#include "support/UserText.h"

#include <QCoreApplication>
#include <QTranslator>

#include <atomic>

namespace {

std::atomic<const QTranslator *> s_englishCatalogue { nullptr };

} // namespace

UserText UserText::translate(const char *context, const char *source, const char *comment, int n)
{
    return { QCoreApplication::translate(context, source, comment, n), english(context, source, comment, n) };
}

UserText UserText::verbatim(const QString &text)
{
    return { text, text };
}

UserText UserText::arg(const QString &argument) const
{
    return { m_shown.arg(argument), m_english.arg(argument) };
}

UserText UserText::arg(const UserText &argument) const
{
    return { m_shown.arg(argument.m_shown), m_english.arg(argument.m_english) };
}

UserText UserText::arg(const UserText &first, const UserText &second) const
{
    return { m_shown.arg(first.m_shown, second.m_shown), m_english.arg(first.m_english, second.m_english) };
}

namespace {

QString withArguments(const QString &text, const QStringList &a)
{
    switch (a.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(a[0]);
    case 2:
        return text.arg(a[0], a[1]);
    case 3:
        return text.arg(a[0], a[1], a[2]);
    default:
        return text.arg(a[0], a[1], a[2], a[3]);
    }
}

} // namespace

UserText UserText::args(const QStringList &arguments) const
{
    return { withArguments(m_shown, arguments), withArguments(m_english, arguments) };
}

UserText UserText::arg(qlonglong number) const
{
    return { m_shown.arg(number), m_english.arg(number) };
}

UserText UserText::operator+(const UserText &other) const
{
    return { m_shown + other.m_shown, m_english + other.m_english };
}

void UserText::setEnglishCatalogue(const QTranslator *catalogue)
{
    s_englishCatalogue.store(catalogue);
}

QString UserText::english(const char *context, const char *source, const char *comment, int n)
{
    QString text;
    if (const QTranslator *catalogue = s_englishCatalogue.load())
        text = catalogue->translate(context, source, comment, n);
    if (text.isEmpty())
        text = QString::fromUtf8(source);
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}
