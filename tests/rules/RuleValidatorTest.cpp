#include "rules/RuleValidator.h"
#include "rules/RulesStoreError.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

Rule named(const QString &name)
{
    Rule rule = Rule::makeNew();
    rule.name = name;
    rule.match = VolumeMatch::volumeName(QStringLiteral("CARD"));
    return rule;
}

QStringList messages(const RuleIssueList &issues)
{
    QStringList result;
    for (const RuleIssue &issue : issues)
        result.append(issue.message);
    return result;
}

TEST(RuleValidator, PerRuleChecks)
{
    struct Row {
        const char *what;
        std::function<void(Rule &)> change;
        QStringList expected;
    };
    const auto path = [](const char *text) {
        return [text](Rule &rule) { rule.subfolder = Subfolder::custom(QString::fromUtf8(text)); };
    };
    const auto placement = [](qint64 left, qint64 top, qint64 width, qint64 height) {
        return [=](Rule &rule) { rule.placement = Placement { left, top, width, height }; };
    };
    const auto warp = [](qint64 x, qint64 y) {
        return [=](Rule &rule) { rule.extras.mouseWarp = MousePoint { x, y }; };
    };
    const QString abs = QStringLiteral("R: custom folder path must be relative to the card, not absolute.");
    const QString dots = QStringLiteral("R: custom folder path cannot contain \"..\".");
    const Row rows[] = {
        { "valid", [](Rule &) {}, {} },
        { "blank name", [](Rule &rule) { rule.name = QStringLiteral(" \t\n\u2028"); },
            { QStringLiteral("Untitled rule: rule name cannot be empty.") } },
        { "untrimmed label",
            [](Rule &rule) {
                rule.name = QStringLiteral(" R ");
                rule.match = VolumeMatch::volumeName(QStringLiteral("  "));
            },
            { QStringLiteral(" R : card name cannot be empty.") } },
        { "four errors in order",
            [](Rule &rule) {
                rule.name = QStringLiteral("   ");
                rule.match = VolumeMatch::volumeName(QString());
                rule.subfolder = Subfolder::custom(QStringLiteral("/DCIM"));
                rule.placement = Placement { 0, 0, 100, 300 };
            },
            { QStringLiteral("Untitled rule: rule name cannot be empty."),
                QStringLiteral("Untitled rule: card name cannot be empty."),
                QStringLiteral(
                    "Untitled rule: custom folder path must be relative to the card, not absolute."),
                QStringLiteral("Untitled rule: placement width must be between 200 and 20000.") } },
        { "empty path", path("  "), { QStringLiteral("R: custom folder path cannot be empty.") } },
        { "absolute path with dots", path(" /a/../b"), { abs } },
        { "dots piece", path("DCIM/../x"), { dots } },
        { "dots inside a name", path("DCIM/a..b"), { dots } },
        { "plain relative path", path(" DCIM/100CANON "), {} },
        { "bounds pass", placement(-20000, 20000, 200, 20000), {} },
        { "bounds pass too", placement(20000, -20000, 20000, 200), {} },
        { "every placement bound fails", placement(-20001, 20001, 199, 20001),
            { QStringLiteral("R: placement width must be between 200 and 20000."),
                QStringLiteral("R: placement height must be between 200 and 20000."),
                QStringLiteral("R: placement left must be between -20000 and 20000."),
                QStringLiteral("R: placement top must be between -20000 and 20000.") } },
        { "width above", placement(0, 0, 20001, 300),
            { QStringLiteral("R: placement width must be between 200 and 20000.") } },
        { "extreme values",
            placement(std::numeric_limits<qint64>::min(), 0, std::numeric_limits<qint64>::max(), 300),
            { QStringLiteral("R: placement width must be between 200 and 20000."),
                QStringLiteral("R: placement left must be between -20000 and 20000.") } },
        { "warp passes", warp(20000, -20000), {} },
        { "warp fails", warp(20001, -20001),
            { QStringLiteral("R: mouse warp x must be between -20000 and 20000."),
                QStringLiteral("R: mouse warp y must be between -20000 and 20000.") } },
    };
    for (const Row &row : rows) {
        Rule rule = named(QStringLiteral("R"));
        row.change(rule);
        const RuleIssueList issues = RuleValidator::validate({ rule });
        EXPECT_EQ(messages(issues), row.expected) << row.what;
        for (const RuleIssue &issue : issues) {
            EXPECT_TRUE(issue.isError) << row.what;
            EXPECT_EQ(issue.ruleID, rule.id) << row.what;
        }
    }
    EXPECT_TRUE(RuleValidator::validate({}).isEmpty());
}

TEST(RuleValidator, DuplicateIdsReportLaterCopiesOnly)
{
    Rule first = named(QStringLiteral("A"));
    Rule second = named(QStringLiteral("B"));
    second.match = VolumeMatch::volumeName(QStringLiteral("OTHER"));
    Rule third = named(QStringLiteral("  "));
    third.match = VolumeMatch::volumeName(QStringLiteral("THIRD"));
    second.id = first.id;
    third.id = first.id;
    const RuleIssueList issues = RuleValidator::validate({ first, second, third });
    EXPECT_EQ(messages(issues),
        QStringList({ QStringLiteral("Untitled rule: rule name cannot be empty."),
            QStringLiteral("B: duplicate rule id."), QStringLiteral("Untitled rule: duplicate rule id.") }));
    EXPECT_TRUE(issues[1].isError);
}

TEST(RuleValidator, RepeatsAndCatchAllsWarnInPairOrder)
{
    Rule catchAll1 = Rule::makeDefaultCatchAll();
    Rule card1 = named(QStringLiteral("Card one"));
    Rule catchAll2 = Rule::makeDefaultCatchAll();
    catchAll2.name = QStringLiteral(" ");
    catchAll2.enabled = false;
    Rule card2 = named(QStringLiteral("Card two"));
    Rule otherCase = named(QStringLiteral("Lower"));
    otherCase.match = VolumeMatch::volumeName(QStringLiteral("card"));
    Rule card3 = named(QStringLiteral("Card three"));
    Rule otherFolder = named(QStringLiteral("Other folder"));
    otherFolder.subfolder = Subfolder::preset(Preset::Avchd);

    const RuleList rules { catchAll1, card1, catchAll2, card2, otherCase, card3, otherFolder };
    const RuleIssueList issues = RuleValidator::validate(rules);
    const QString catchAllWarning
        = QStringLiteral("More than one \"any card, smart folder\" rule; only the first can ever match.");
    EXPECT_EQ(messages(issues),
        QStringList({ QStringLiteral("Untitled rule: rule name cannot be empty."),
            QStringLiteral("\" \" matches the same card and folder as \"Any camera card\"."),
            QStringLiteral("\"Card two\" matches the same card and folder as \"Card one\"."),
            QStringLiteral("\"Card three\" matches the same card and folder as \"Card one\"."),
            catchAllWarning }));
    ASSERT_EQ(issues.size(), 5);
    EXPECT_EQ(issues[1].ruleID, catchAll2.id);
    EXPECT_EQ(issues[3].ruleID, card3.id);
    EXPECT_EQ(issues[4].ruleID, catchAll2.id);
    for (qsizetype i = 1; i < issues.size(); ++i)
        EXPECT_FALSE(issues[i].isError);
}

TEST(RuleValidator, NamesWithPlaceholdersAreNotExpanded)
{
    Rule a = named(QStringLiteral("%2 and %1"));
    Rule b = named(QStringLiteral("%1"));
    EXPECT_EQ(messages(RuleValidator::validate({ a, b })),
        QStringList({ QStringLiteral("\"%1\" matches the same card and folder as \"%2 and %1\".") }));
}

TEST(RuleValidator, MatchesAReferenceOnAMixedList)
{
    // Few distinct behaviours among many rules, so that groups interleave.
    RuleList rules;
    for (int i = 0; i < 60; ++i) {
        Rule rule = named(QStringLiteral("r%1").arg(i));
        rule.match
            = i % 3 == 0 ? VolumeMatch::anyCard() : VolumeMatch::volumeName(QStringLiteral("V%1").arg(i % 2));
        rule.subfolder
            = i % 4 == 0 ? Subfolder::smart() : Subfolder::custom(QStringLiteral("p%1").arg(i % 3));
        rules.append(rule);
    }
    // The pairs in (i, j) order, keeping only those whose i is the first rule of its kind.
    QStringList expected;
    for (qsizetype i = 0; i < rules.size(); ++i) {
        const auto same = [&](qsizetype a, qsizetype b) {
            return rules[a].match == rules[b].match && rules[a].subfolder == rules[b].subfolder;
        };
        bool repeatsEarlier = false;
        for (qsizetype k = 0; k < i && !repeatsEarlier; ++k)
            repeatsEarlier = same(k, i);
        for (qsizetype j = i + 1; j < rules.size() && !repeatsEarlier; ++j) {
            if (same(i, j))
                expected.append(QStringLiteral("\"%1\" matches the same card and folder as \"%2\".")
                                    .arg(rules[j].name, rules[i].name));
        }
    }
    QStringList actual = messages(RuleValidator::validate(rules));
    actual.removeAll(
        QStringLiteral("More than one \"any card, smart folder\" rule; only the first can ever match."));
    EXPECT_EQ(actual, expected);
    EXPECT_LT(actual.size(), 60);
}

TEST(RuleValidator, ManyCopiesOfOneRuleWarnOncePerCopy)
{
    // Warning on every pair would give 300 * 299 / 2 repeat warnings here.
    const Rule catchAll = Rule::makeDefaultCatchAll();
    RuleList rules(300, catchAll);
    rules[7].placement = Placement { 0, 0, 100, 300 }; // one error among them
    const RuleIssueList issues = RuleValidator::validate(rules);
    ASSERT_EQ(issues.size(), 1 + 299 + 299 + 299);
    EXPECT_EQ(
        issues[0].message, QStringLiteral("Any camera card: placement width must be between 200 and 20000."));
    for (qsizetype i = 1; i < 300; ++i) {
        EXPECT_EQ(issues[i].message, QStringLiteral("Any camera card: duplicate rule id."));
        EXPECT_EQ(issues[299 + i].message,
            QStringLiteral("\"Any camera card\" matches the same card and folder as \"Any camera card\"."));
    }
    EXPECT_EQ(RuleValidator::errors(rules), issues.mid(0, 300));
}

TEST(RuleValidator, ErrorsAreTheErrorsOfAFullValidation)
{
    Rule blank = named(QStringLiteral(" "));
    Rule twin = named(QStringLiteral("twin"));
    Rule badPath = named(QStringLiteral("bad"));
    badPath.subfolder = Subfolder::custom(QStringLiteral("/abs"));
    Rule sameId = named(QStringLiteral("same id"));
    sameId.id = twin.id;
    const RuleList rules { blank, twin, badPath, sameId, Rule::makeDefaultCatchAll(),
        Rule::makeDefaultCatchAll() };
    RuleIssueList expected;
    for (const RuleIssue &issue : RuleValidator::validate(rules)) {
        if (issue.isError)
            expected.append(issue);
    }
    EXPECT_EQ(expected.size(), 3);
    EXPECT_EQ(RuleValidator::errors(rules), expected);
}

TEST(RulesStoreError, DescriptionJoinsMessages)
{
    const RulesStoreError error
        = RulesStoreError::invalid({ RuleIssue { QUuid(), QStringLiteral("first"), true },
            RuleIssue { QUuid(), QStringLiteral("second"), true } });
    EXPECT_EQ(error.description(), QStringLiteral("first\nsecond"));
    EXPECT_STREQ(error.what(), "first\nsecond");
    EXPECT_EQ(error.issues().size(), 2);
}

} // namespace
