#pragma once

#include <QString>

/// The application's errors, each with the description that panels show.
class DovettaError {
public:
    enum class Kind {
        FinderScriptError,
        FolderMissing,
        DiskError,
        FinderTimeout,
        NoMatchingRule,
        AutomationDenied,
        AutomationPending,
    };

    static DovettaError finderScriptError(const QString &message)
    {
        return { Kind::FinderScriptError, message };
    }
    static DovettaError folderMissing(const QString &path) { return { Kind::FolderMissing, path }; }
    static DovettaError diskError(const QString &message) { return { Kind::DiskError, message }; }
    static DovettaError finderTimeout() { return { Kind::FinderTimeout, {} }; }
    static DovettaError noMatchingRule() { return { Kind::NoMatchingRule, {} }; }
    static DovettaError automationDenied() { return { Kind::AutomationDenied, {} }; }
    static DovettaError automationPending() { return { Kind::AutomationPending, {} }; }

    Kind kind() const { return m_kind; }
    /// The message or path the error carries; empty for the cases without one.
    const QString &payload() const { return m_payload; }
    /// The user-readable description.
    QString description() const;
    /// The plain form for logs, such as "finderTimeout" or "finderScriptError(\"message\")".
    QString plainText() const;

    friend bool operator==(const DovettaError &, const DovettaError &) = default;

private:
    DovettaError(Kind kind, QString payload)
        : m_kind(kind)
        , m_payload(std::move(payload))
    {
    }

    Kind m_kind;
    QString m_payload;
};
