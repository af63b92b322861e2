#include "rules/RuleValidator.h"

#include "support/UserText.h"

#include <QHash>
#include <QSet>

#include <vector>

namespace {

RuleIssue issue(const Rule &rule, const UserText &text, bool isError)
{
    return RuleIssue { rule.id, text.shown(), isError, text.english() };
}

/// `text` has `%1` for the rule's name.
RuleIssue error(const Rule &rule, const char *text)
{
    return issue(rule, UserText::translate("RuleValidator", text).arg(RuleValidator::labelText(rule)), true);
}

void checkRange(
    RuleIssueList &issues, const Rule &rule, qint64 value, qint64 low, qint64 high, const char *what)
{
    if (value < low || value > high) {
        //: %1 is the rule's name, %2 the value's name ("placement width"), %3 and %4 numbers.
        const UserText text = UserText::translate("RuleValidator", "%1: %2 must be between %3 and %4.");
        const UserText label = RuleValidator::labelText(rule);
        const UserText name = UserText::translate("RuleValidator", what);
        const QString lowText = QString::number(low);
        const QString highText = QString::number(high);
        // All at once, so that a `%3` in the rule's name stays as it is.
        issues.append(issue(rule,
            UserText::of(text.shown().arg(label.shown(), name.shown(), lowText, highText),
                text.english().arg(label.english(), name.english(), lowText, highText)),
            true));
    }
}

void checkRule(RuleIssueList &issues, const Rule &rule)
{
    using namespace RuleValidator;
    if (rule.name.trimmed().isEmpty())
        issues.append(error(rule, QT_TRANSLATE_NOOP("RuleValidator", "%1: rule name cannot be empty.")));
    if (!rule.match.isAnyCard() && rule.match.name().trimmed().isEmpty())
        issues.append(error(rule, QT_TRANSLATE_NOOP("RuleValidator", "%1: card name cannot be empty.")));
    if (rule.subfolder.kind() == Subfolder::Kind::Custom) {
        const QString path = rule.subfolder.customPath().trimmed();
        if (path.isEmpty())
            issues.append(
                error(rule, QT_TRANSLATE_NOOP("RuleValidator", "%1: custom folder path cannot be empty.")));
        else if (path.startsWith(QLatin1Char('/')))
            issues.append(error(rule,
                QT_TRANSLATE_NOOP(
                    "RuleValidator", "%1: custom folder path must be relative to the card, not absolute.")));
        else if (path.contains(QLatin1String("..")))
            issues.append(error(
                rule, QT_TRANSLATE_NOOP("RuleValidator", "%1: custom folder path cannot contain \"..\".")));
    }
    if (const auto &placement = rule.placement) {
        checkRange(issues, rule, placement->width, kMinPlacementSize, kMaxPlacementSize,
            QT_TRANSLATE_NOOP("RuleValidator", "placement width"));
        checkRange(issues, rule, placement->height, kMinPlacementSize, kMaxPlacementSize,
            QT_TRANSLATE_NOOP("RuleValidator", "placement height"));
        checkRange(issues, rule, placement->left, -kMaxCoordinate, kMaxCoordinate,
            QT_TRANSLATE_NOOP("RuleValidator", "placement left"));
        checkRange(issues, rule, placement->top, -kMaxCoordinate, kMaxCoordinate,
            QT_TRANSLATE_NOOP("RuleValidator", "placement top"));
    }
    if (const auto &warp = rule.extras.mouseWarp) {
        checkRange(issues, rule, warp->x, -kMaxCoordinate, kMaxCoordinate,
            QT_TRANSLATE_NOOP("RuleValidator", "mouse warp x"));
        checkRange(issues, rule, warp->y, -kMaxCoordinate, kMaxCoordinate,
            QT_TRANSLATE_NOOP("RuleValidator", "mouse warp y"));
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
    return qHashMulti(seed, static_cast<int>(key.matchKind), key.volumeName,
        static_cast<int>(key.subfolderKind), static_cast<int>(key.preset), key.customPath);
}

/// A rule that repeats earlier ones warns once, naming the first rule it repeats: warning on
/// every pair would grow with the square of the list (a careless import of a few thousand
/// copies of one rule would print millions of lines). The warnings keep the pair order,
/// first rules ascending, then their repeats.
void checkRepeats(RuleIssueList &issues, const RuleList &rules)
{
    QHash<Behaviour, qsizetype> groupOf;
    std::vector<std::vector<qsizetype>> groups;
    for (qsizetype i = 0; i < rules.size(); ++i) {
        Behaviour key(rules[i]);
        auto it = groupOf.find(key);
        if (it == groupOf.end()) {
            it = groupOf.insert(std::move(key), qsizetype(groups.size()));
            groups.emplace_back();
        }
        groups[static_cast<size_t>(*it)].push_back(i);
    }
    for (const std::vector<qsizetype> &group : groups) {
        const QString &firstName = rules[group.front()].name;
        for (auto later = group.begin() + 1; later != group.end(); ++later) {
            const Rule &repeat = rules[*later];
            //: %1 and %2 are rules' names.
            issues.append(issue(repeat,
                UserText::translate("RuleValidator", "\"%1\" matches the same card and folder as \"%2\".")
                    .arg(UserText::verbatim(repeat.name), UserText::verbatim(firstName)),
                false));
        }
    }
}

} // namespace

QString RuleValidator::label(const Rule &rule)
{
    return labelText(rule).shown();
}

UserText RuleValidator::labelText(const Rule &rule)
{
    return rule.name.trimmed().isEmpty() ? UserText::translate("RuleValidator", "Untitled rule")
                                         : UserText::verbatim(rule.name);
}

RuleIssueList RuleValidator::errors(const RuleList &rules)
{
    RuleIssueList issues;
    for (const Rule &rule : rules)
        checkRule(issues, rule);

    QSet<QUuid> seen;
    seen.reserve(rules.size());
    for (const Rule &rule : rules) {
        if (seen.contains(rule.id))
            issues.append(error(rule, QT_TRANSLATE_NOOP("RuleValidator", "%1: duplicate rule id.")));
        else
            seen.insert(rule.id);
    }
    return issues;
}

RuleIssueList RuleValidator::validate(const RuleList &rules)
{
    RuleIssueList issues = errors(rules);
    checkRepeats(issues, rules);

    bool firstCatchAll = true;
    for (const Rule &rule : rules) {
        if (!rule.match.isAnyCard() || rule.subfolder.kind() != Subfolder::Kind::Smart)
            continue;
        if (firstCatchAll)
            firstCatchAll = false;
        else
            issues.append(issue(rule,
                UserText::translate("RuleValidator",
                    "More than one \"any card, smart folder\" rule; only the first can ever match."),
                false));
    }
    return issues;
}
