#pragma once

#include "support/UserText.h"

#include <QString>

/// The application's errors, each with the description that panels show.
class MirvaleError {
public:
    enum class Kind {
        FileManagerError,
        FolderMissing,
        DiskError,
        FileManagerTimeout,
        NoMatchingRule,
        FileManagerAccessDenied,
        FileManagerCheckPending,
        /// A disk error because something still uses the volume (worth trying again).
        DiskBusy,
    };

    static MirvaleError fileManagerError(const QString &message)
    {
        return { Kind::FileManagerError, message };
    }
    static MirvaleError folderMissing(const QString &path) { return { Kind::FolderMissing, path }; }
    static MirvaleError diskError(const QString &message) { return { Kind::DiskError, message }; }
    /// Errors whose message is Mirvale's own sentence, in the user's language and in English.
    static MirvaleError fileManagerError(const UserText &message)
    {
        return { Kind::FileManagerError, message.shown(), message.english() };
    }
    static MirvaleError diskError(const UserText &message)
    {
        return { Kind::DiskError, message.shown(), message.english() };
    }
    static MirvaleError diskBusy(const QString &message) { return { Kind::DiskBusy, message }; }
    static MirvaleError diskBusy(const UserText &message)
    {
        return { Kind::DiskBusy, message.shown(), message.english() };
    }
    static MirvaleError fileManagerTimeout() { return { Kind::FileManagerTimeout, {} }; }
    static MirvaleError noMatchingRule() { return { Kind::NoMatchingRule, {} }; }
    static MirvaleError fileManagerAccessDenied() { return { Kind::FileManagerAccessDenied, {} }; }
    static MirvaleError fileManagerCheckPending() { return { Kind::FileManagerCheckPending, {} }; }

    Kind kind() const { return m_kind; }
    /// The message or path the error carries; empty for the cases without one.
    const QString &payload() const { return m_payload; }
    /// The user-readable description, in the user's language.
    QString description() const;
    /// The description in English, for the log.
    QString englishDescription() const;
    /// The plain form for logs, such as "fileManagerTimeout" or "fileManagerError(\"message\")".
    QString plainText() const;
    /// The description in both forms.
    UserText text() const;

    friend bool operator==(const MirvaleError &, const MirvaleError &) = default;

private:
    MirvaleError(Kind kind, QString payload)
        : m_kind(kind)
        , m_payload(payload)
        , m_englishPayload(std::move(payload))
    {
    }
    MirvaleError(Kind kind, QString payload, QString englishPayload)
        : m_kind(kind)
        , m_payload(std::move(payload))
        , m_englishPayload(std::move(englishPayload))
    {
    }

    Kind m_kind;
    QString m_payload;
    /// The payload in English: the same as m_payload unless Mirvale wrote it.
    QString m_englishPayload;
};
