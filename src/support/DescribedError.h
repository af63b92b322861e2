#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

/// An error whose description is meant for the user (the settings window shows it as is).
class DescribedError : public std::exception {
public:
    explicit DescribedError(QString description);

    /// The description in the user's language.
    const QString &description() const { return m_description; }
    /// The description in English, for the log.
    const QString &englishDescription() const { return m_description; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_description;
    QByteArray m_utf8;
};
