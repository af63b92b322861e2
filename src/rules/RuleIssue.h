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

    friend bool operator==(const RuleIssue &, const RuleIssue &) = default;
};

using RuleIssueList = QList<RuleIssue>;
