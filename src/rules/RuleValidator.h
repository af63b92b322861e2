#pragma once

#include "rules/Rule.h"
#include "rules/RuleIssue.h"
#include "support/UserText.h"

/// Checks a rule list before it is saved and after every edit. Pure: it reads nothing but
/// its argument, so it runs on any thread and on lists that are not stored.
namespace RuleValidator {

inline constexpr qint64 kMinPlacementSize = Placement::kMinSize;
inline constexpr qint64 kMaxPlacementSize = Placement::kMaxSize;
inline constexpr qint64 kMaxCoordinate = Placement::kMaxCoordinate;

/// Per-rule errors in list order, then duplicate ids, then one warning per rule that does
/// the same thing as an earlier one, then warnings for extra catch-all smart rules.
RuleIssueList validate(const RuleList &rules);

/// Only the errors of validate(), in the same order: what decides whether a list may be
/// saved, without building any warning.
RuleIssueList errors(const RuleList &rules);

/// The name as stored, or "Untitled rule" when it is blank.
QString label(const Rule &rule);
/// label() on screen and in English.
UserText labelText(const Rule &rule);

} // namespace RuleValidator
