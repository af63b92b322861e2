#include "rules/RulesStoreError.h"

#include <QStringList>

RulesStoreError RulesStoreError::invalid(RuleIssueList issues)
{
    QStringList messages;
    QStringList english;
    messages.reserve(issues.size());
    english.reserve(issues.size());
    for (const RuleIssue &issue : issues) {
        messages.append(issue.message);
        english.append(issue.english());
    }
    return RulesStoreError(
        UserText::of(messages.join(QLatin1Char('\n')), english.join(QLatin1Char('\n'))), std::move(issues));
}

RulesStoreError::RulesStoreError(UserText description, RuleIssueList issues)
    : DescribedError(std::move(description))
    , m_issues(std::move(issues))
{
}
