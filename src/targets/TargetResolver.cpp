#include "targets/TargetResolver.h"

#include "support/Logger.h"

// Provisional: matching by name and the card root only.

std::optional<Rule> TargetResolver::firstMatch(const RuleList &rules, const MountedCard &card)
{
    for (const Rule &rule : rules) {
        if (!rule.enabled)
            continue;
        if (rule.match.isAnyCard() || rule.match.name().compare(card.name, Qt::CaseInsensitive) == 0)
            return rule;
    }
    return std::nullopt;
}

ResolvedTarget TargetResolver::resolve(const Rule &rule, const MountedCard &card, Logger &)
{
    ResolvedTarget target;
    target.card = card;
    target.rule = rule;
    target.folder = card.url;
    return target;
}

QString TargetResolver::describe(const ResolvedTarget &target)
{
    return target.relativePath.isEmpty() ? target.card.name : target.relativePath;
}
