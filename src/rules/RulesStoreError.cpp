#include "rules/RulesStoreError.h"

#include <QStringList>

RulesStoreError RulesStoreError::invalid(RuleIssueList issues)
{
    QStringList messages;
    messages.reserve(issues.size());
    for (const RuleIssue &issue : issues)
        messages.append(issue.message);
    return RulesStoreError(messages.join(QLatin1Char('\n')), std::move(issues));
}

RulesStoreError::RulesStoreError(QString description, RuleIssueList issues)
    : DescribedError(std::move(description))
    , m_issues(std::move(issues))
{
}
