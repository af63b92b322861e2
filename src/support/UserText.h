#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

/// A text a user reads, kept twice: in the user's language for the screen, and in English
/// for the log, which stays English for bug reports. Built like QCoreApplication::translate
/// (lupdate reads `UserText::translate` calls as it reads those), with arguments that go into
/// both forms.
class UserText {
public:
    UserText() = default;

    /// `source` translated in `context`; `n` >= 0 picks the plural form and fills `%n`.
    static UserText translate(
        const char *context, const char *source, const char *comment = nullptr, int n = -1);
    /// A text Mirvale does not own (a path, udisks2's message): the same in both forms.
    static UserText verbatim(const QString &text);
    /// A text built twice, once in each language (such as a size, whose number format
    /// follows the language too).
    static UserText of(QString shown, QString english) { return { std::move(shown), std::move(english) }; }

    UserText arg(const QString &argument) const;
    /// Each form of `argument` goes into the same form of this text.
    UserText arg(const UserText &argument) const;
    UserText arg(qlonglong number) const;
    /// Texts Mirvale does not own (paths, the system's messages), up to four, put in at once
    /// as QString::arg(a, b, …) puts them: a `%2` inside the first one stays as it is.
    UserText args(const QStringList &arguments) const;
    /// Both arguments at once, so that a `%2` inside the first one stays as it is.
    UserText arg(const UserText &first, const UserText &second) const;

    /// Joins two texts, each form with its own.
    UserText operator+(const UserText &other) const;

    const QString &shown() const { return m_shown; }
    const QString &english() const { return m_english; }
    bool isEmpty() const { return m_shown.isEmpty(); }

    /// The catalogue that gives English texts their plural forms ("1 file", not "1 files");
    /// set once at start, before any thread builds texts.
    static void setEnglishCatalogue(const QTranslator *catalogue);
    /// `source` in English: its plural form for `n` from the English catalogue, `%n` filled.
    static QString english(
        const char *context, const char *source, const char *comment = nullptr, int n = -1);

    friend bool operator==(const UserText &, const UserText &) = default;

private:
    UserText(QString shown, QString english)
        : m_shown(std::move(shown))
        , m_english(std::move(english))
    {
    }

    QString m_shown;
    QString m_english;
};
