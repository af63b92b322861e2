#pragma once

#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

/// One validation finding: an error blocks saving, a warning is only shown.
struct RuleIssue {
    std::optional<QUuid> ruleID;
    QString message;
    bool isError = false;
    /// The message in English, for the log; empty when it is the message itself.
    QString englishMessage = {};

    const QString &english() const { return englishMessage.isEmpty() ? message : englishMessage; }

    friend bool operator==(const RuleIssue &a, const RuleIssue &b)
    {
        return a.ruleID == b.ruleID && a.message == b.message && a.isError == b.isError;
    }
};

using RuleIssueList = QList<RuleIssue>;
