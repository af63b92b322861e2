#pragma once

#include "support/UserText.h"

#include <QByteArray>
#include <QString>

#include <exception>

/// An error whose description is meant for the user (the settings window shows it as is).
class DescribedError : public std::exception {
public:
    /// A description Mirvale does not own (another program's message): the same in both forms.
    explicit DescribedError(QString description);
    explicit DescribedError(UserText description);

    /// The description in the user's language.
    const QString &description() const { return m_description.shown(); }
    /// The description in English, for the log.
    const QString &englishDescription() const { return m_description.english(); }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    UserText m_description;
    QByteArray m_utf8;
};
