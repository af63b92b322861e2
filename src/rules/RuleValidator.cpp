#include "rules/RuleValidator.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <vector>

namespace {

RuleIssue error(const Rule &rule, const QString &text)
{
    return RuleIssue{rule.id, RuleValidator::label(rule) + text, true};
}

void checkRange(RuleIssueList &issues, const Rule &rule, qint64 value, qint64 low, qint64 high, const char *what)
{
    if (value < low || value > high) {
        issues.append(error(rule, QStringLiteral(": %1 must be between %2 and %3.")
                                      .arg(QLatin1String(what))
                                      .arg(low)
                                      .arg(high)));
    }
}

void checkRule(RuleIssueList &issues, const Rule &rule)
{
    using namespace RuleValidator;
    if (rule.name.trimmed().isEmpty())
        issues.append(error(rule, QStringLiteral(": rule name cannot be empty.")));
    if (!rule.match.isAnyCard() && rule.match.name().trimmed().isEmpty())
        issues.append(error(rule, QStringLiteral(": card name cannot be empty.")));
    if (rule.subfolder.kind() == Subfolder::Kind::Custom) {
        const QString path = rule.subfolder.customPath().trimmed();
        if (path.isEmpty())
            issues.append(error(rule, QStringLiteral(": custom folder path cannot be empty.")));
        else if (path.startsWith(QLatin1Char('/')))
            issues.append(error(rule, QStringLiteral(": custom folder path must be relative to the card, not absolute.")));
        else if (path.contains(QLatin1String("..")))
            issues.append(error(rule, QStringLiteral(": custom folder path cannot contain \"..\".")));
    }
    if (const auto &placement = rule.placement) {
        checkRange(issues, rule, placement->width, kMinPlacementSize, kMaxPlacementSize, "placement width");
        checkRange(issues, rule, placement->height, kMinPlacementSize, kMaxPlacementSize, "placement height");
        checkRange(issues, rule, placement->left, -kMaxCoordinate, kMaxCoordinate, "placement left");
        checkRange(issues, rule, placement->top, -kMaxCoordinate, kMaxCoordinate, "placement top");
    }
    if (const auto &warp = rule.extras.mouseWarp) {
        checkRange(issues, rule, warp->x, -kMaxCoordinate, kMaxCoordinate, "mouse warp x");
        checkRange(issues, rule, warp->y, -kMaxCoordinate, kMaxCoordinate, "mouse warp y");
    }
}

/// What a rule does, for finding rules that do the same thing: equal keys exactly when
/// match and subfolder are equal.
struct Behaviour {
    VolumeMatch::Kind matchKind;
    QString volumeName;
    Subfolder::Kind subfolderKind;
    Preset preset;
    QString customPath;

    explicit Behaviour(const Rule &rule)
        : matchKind(rule.match.kind())
        , volumeName(rule.match.isAnyCard() ? QString() : rule.match.name())
        , subfolderKind(rule.subfolder.kind())
        , preset(subfolderKind == Subfolder::Kind::Preset ? rule.subfolder.presetValue() : Preset::Photos)
        , customPath(subfolderKind == Subfolder::Kind::Custom ? rule.subfolder.customPath() : QString())
    {
    }

    friend bool operator==(const Behaviour &, const Behaviour &) = default;
};

size_t qHash(const Behaviour &key, size_t seed = 0)
{
    return qHashMulti(seed, static_cast<int>(key.matchKind), key.volumeName, static_cast<int>(key.subfolderKind),
                      static_cast<int>(key.preset), key.customPath);
}

/// Every pair i < j with the same behaviour warns on j, in (i, j) order. Grouping first
/// keeps this linear in the list plus the warnings instead of quadratic in the list.
void checkRepeats(RuleIssueList &issues, const RuleList &rules)
{
    QHash<Behaviour, std::vector<qsizetype>> groups;
    std::vector<Behaviour> keys;
    keys.reserve(static_cast<size_t>(rules.size()));
    for (qsizetype i = 0; i < rules.size(); ++i) {
        keys.emplace_back(rules[i]);
        groups[keys.back()].push_back(i);
    }
    for (qsizetype i = 0; i < rules.size(); ++i) {
        const std::vector<qsizetype> &group = groups[keys[static_cast<size_t>(i)]];
        if (group.size() < 2)
            continue;
        const auto self = std::lower_bound(group.begin(), group.end(), i);
        const QString earlierName = rules[i].name;
        for (auto later = self + 1; later != group.end(); ++later) {
            const Rule &repeat = rules[*later];
            issues.append(RuleIssue{repeat.id,
                                    QStringLiteral("\"%1\" matches the same card and folder as \"%2\".")
                                        .arg(repeat.name, earlierName),
                                    false});
        }
    }
}

} // namespace

QString RuleValidator::label(const Rule &rule)
{
    return rule.name.trimmed().isEmpty() ? QStringLiteral("Untitled rule") : rule.name;
}

RuleIssueList RuleValidator::validate(const RuleList &rules)
{
    RuleIssueList issues;
    for (const Rule &rule : rules)
        checkRule(issues, rule);

    QSet<QUuid> seen;
    seen.reserve(rules.size());
    for (const Rule &rule : rules) {
        if (seen.contains(rule.id))
            issues.append(error(rule, QStringLiteral(": duplicate rule id.")));
        else
            seen.insert(rule.id);
    }

    checkRepeats(issues, rules);

    bool firstCatchAll = true;
    for (const Rule &rule : rules) {
        if (!rule.match.isAnyCard() || rule.subfolder.kind() != Subfolder::Kind::Smart)
            continue;
        if (firstCatchAll)
            firstCatchAll = false;
        else
            issues.append(RuleIssue{rule.id,
                                    QStringLiteral("More than one \"any card, smart folder\" rule; only the first can ever match."),
                                    false});
    }
    return issues;
}
