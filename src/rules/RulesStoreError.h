#pragma once

#include "rules/RuleIssue.h"
#include "support/DescribedError.h"

/// A refused save: the rules have validation errors. The description is the issues'
/// messages, one per line.
class RulesStoreError : public DescribedError {
public:
    static RulesStoreError invalid(RuleIssueList issues);

    const RuleIssueList &issues() const { return m_issues; }

private:
    RulesStoreError(UserText description, RuleIssueList issues);

    RuleIssueList m_issues;
};
