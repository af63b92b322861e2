#pragma once

#include "detection/MountedCard.h"
#include "rules/Rule.h"
#include "targets/ResolvedTarget.h"

#include <optional>

class Logger;

/// Which rule applies to a card, and which folder and file on the card to show.
namespace TargetResolver {

/// The first enabled rule that matches the card, or none.
std::optional<Rule> firstMatch(const RuleList &rules, const MountedCard &card);

/// Never fails: problems become a fallback to the card root with a note and log lines.
ResolvedTarget resolve(const Rule &rule, const MountedCard &card, Logger &log);

/// The short name of what was opened: the relative path, or the card's name for the root.
QString describe(const ResolvedTarget &target);

} // namespace TargetResolver
