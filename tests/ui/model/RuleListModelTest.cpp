#include "ui/model/RuleListModel.h"
#include "ui/model/FileManagerStatus.h"
#include "ui/model/FirstRunHint.h"
#include "ui/model/TestMenuModel.h"
#include "ui/model/ValidationDisplay.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QStringList g_modelFailures;

void recordModelFailures(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    Q_UNUSED(type);
    if (QByteArray(context.category ? context.category : "").contains("modeltest")
        || message.contains(u"FAIL"))
        g_modelFailures.append(message);
}

Rule rule(const QString &name)
{
    Rule rule = Rule::makeNew();
    rule.name = name;
    rule.match = VolumeMatch::volumeName(name);
    return rule;
}

QStringList names(const RuleListModel &model)
{
    QStringList names;
    for (int row = 0; row < model.rowCount(); ++row)
        names.append(model.index(row, 0).data().toString());
    return names;
}

TEST(RuleListModel, PassesTheModelTesterThroughEveryChange)
{
    g_modelFailures.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordModelFailures);
    {
        RuleListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
        model.setRules({ rule(QStringLiteral("A")), rule(QStringLiteral("B")), rule(QStringLiteral("C")) });
        model.append(rule(QStringLiteral("D")));
        model.moveRule(0, 1);
        model.moveRule(3, 2);
        model.moveRule(2, 3);
        model.removeAt(1);
        model.removeAt(7); // out of range: nothing
        Rule changed = model.rules().at(0);
        changed.name = QStringLiteral("B2");
        EXPECT_EQ(model.replace(changed), 0);
        EXPECT_EQ(model.replace(rule(QStringLiteral("unknown"))), -1);
        EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
        EXPECT_FALSE(model.setData(model.index(1, 0), QStringLiteral("x"), Qt::EditRole));
        model.setRules({});
        EXPECT_EQ(model.rowCount(), 0);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(g_modelFailures.isEmpty()) << g_modelFailures.join(u'\n').toStdString();
}

TEST(RuleListModel, RowsShowNameSummaryAndCheckbox)
{
    RuleListModel model;
    Rule sony = rule(QStringLiteral("Sony"));
    sony.enabled = false;
    model.setRules({ sony });
    const QModelIndex index = model.index(0, 0);
    EXPECT_EQ(model.columnCount(), 1);
    EXPECT_EQ(index.data().toString(), QStringLiteral("Sony"));
    EXPECT_EQ(index.data(RuleListModel::SummaryRole).toString(),
        sony.matchSummary() + QStringLiteral(" \u00b7 ") + sony.openSummary());
    EXPECT_EQ(index.data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_EQ(index.data(RuleListModel::EnabledLabelRole).toString(), QStringLiteral("Enabled: Sony"));
    EXPECT_TRUE(model.flags(index) & Qt::ItemIsUserCheckable);

    QSignalSpy toggled(&model, &RuleListModel::enabledToggled);
    model.setData(index, Qt::Checked, Qt::CheckStateRole);
    EXPECT_TRUE(model.rules().at(0).enabled);
    ASSERT_EQ(toggled.size(), 1);
    EXPECT_EQ(toggled.at(0).at(0).toInt(), 0);
}

TEST(RuleListModel, MovesInBothDirections)
{
    RuleListModel model;
    model.setRules({ rule(QStringLiteral("A")), rule(QStringLiteral("B")), rule(QStringLiteral("C")) });
    model.moveRule(0, 1);
    EXPECT_EQ(names(model), QStringList({ QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C") }));
    model.moveRule(2, 1);
    EXPECT_EQ(names(model), QStringList({ QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A") }));
}

RuleIssue error(const QString &message)
{
    return { QUuid::createUuid(), message, true };
}

RuleIssue warning(const QString &message)
{
    return { QUuid::createUuid(), message, false };
}

TEST(ValidationDisplay, FirstIssueAndHowManyMore)
{
    const struct {
        RuleIssueList issues;
        QString text;
        Tone tone;
    } cases[] = {
        { {}, QString(), Tone::Secondary },
        { { error(QStringLiteral("e1")) }, QStringLiteral("e1"), Tone::Error },
        { { error(QStringLiteral("e1")), error(QStringLiteral("e2")) }, QStringLiteral("e1 (+1 more error)"),
            Tone::Error },
        { { error(QStringLiteral("e1")), error(QStringLiteral("e2")), error(QStringLiteral("e3")) },
            QStringLiteral("e1 (+2 more errors)"), Tone::Error },
        { { warning(QStringLiteral("w1")) }, QStringLiteral("w1"), Tone::Warning },
        { { warning(QStringLiteral("w1")), warning(QStringLiteral("w2")) },
            QStringLiteral("w1 (+1 more warning)"), Tone::Warning },
        { { warning(QStringLiteral("w1")), warning(QStringLiteral("w2")), warning(QStringLiteral("w3")) },
            QStringLiteral("w1 (+2 more warnings)"), Tone::Warning },
        // Errors take precedence and only errors are counted.
        { { warning(QStringLiteral("w1")), error(QStringLiteral("e1")), warning(QStringLiteral("w2")) },
            QStringLiteral("e1"), Tone::Error },
    };
    for (const auto &c : cases) {
        const ValidationDisplay display = ValidationDisplay::fromIssues(c.issues);
        EXPECT_EQ(display.text, c.text);
        EXPECT_EQ(display.isVisible(), !c.text.isEmpty());
        const qsizetype count = c.text.indexOf(QStringLiteral(" (+"));
        EXPECT_EQ(display.moreCount(), count < 0 ? QString() : c.text.mid(count));
        if (display.isVisible()) {
            EXPECT_EQ(display.tone, c.tone) << display.text.toStdString();
        }
    }
    EXPECT_EQ(
        ValidationDisplay::saved().text, QStringLiteral("Saved. Rules take effect on the next card insert."));
    EXPECT_EQ(ValidationDisplay::settingsSaveFailed({}).text, QStringLiteral("Couldn\u2019t save settings."));
    EXPECT_EQ(ValidationDisplay::settingsSaveFailed(QStringLiteral("Disk full")),
        (ValidationDisplay { QStringLiteral("Disk full"), Tone::Warning }));
}

TEST(TestMenuModel, RebuildsOnlyWhenTheMountPathsChange)
{
    MountedCard a;
    a.url = QUrl::fromLocalFile(QStringLiteral("/media/me/A"));
    a.name = QStringLiteral("A");
    MountedCard b = a;
    b.url = QUrl::fromLocalFile(QStringLiteral("/media/me/B"));
    b.name = QStringLiteral("B");

    TestMenuModel menu;
    EXPECT_TRUE(menu.rebuild({}));
    EXPECT_EQ(menu.items(), QStringList { QStringLiteral("Test rule on card\u2026") });
    EXPECT_TRUE(menu.rebuild({ a, b }));
    EXPECT_EQ(
        menu.items(), QStringList({ TestMenuModel::title(), QStringLiteral("A"), QStringLiteral("B") }));
    MountedCard renamed = a;
    renamed.freeBytes = 10;
    EXPECT_FALSE(menu.rebuild({ renamed, b }));
    EXPECT_TRUE(menu.rebuild({ b }));

    EXPECT_EQ(TestMenuModel::cardIndexForItem(0, 2), -1); // the title is never a card
    EXPECT_EQ(TestMenuModel::cardIndexForItem(1, 2), 0);
    EXPECT_EQ(TestMenuModel::cardIndexForItem(2, 2), 1);
    EXPECT_EQ(TestMenuModel::cardIndexForItem(3, 2), -1);
}

TEST(FileManagerStatus, TextsAndDots)
{
    using State = FileManagerStatus::State;
    const struct {
        State state;
        QString name;
        QString text;
        Tone tone;
    } cases[] = {
        { State::NotChecked, {}, QStringLiteral("File manager: \u2014"), Tone::Secondary },
        { State::Checking, {}, QStringLiteral("File manager: Checking\u2026"), Tone::Secondary },
        { State::Allowed, QStringLiteral("Thunar"), QStringLiteral("File manager: Thunar"), Tone::Success },
        { State::Allowed, {}, QStringLiteral("File manager: found"), Tone::Success },
        { State::NotAllowed, {}, QStringLiteral("File manager: none found"), Tone::Error },
    };
    for (const auto &c : cases) {
        EXPECT_EQ((FileManagerStatus { c.state, c.name }.text()), c.text);
        EXPECT_EQ((FileManagerStatus { c.state, c.name }.dotTone()), c.tone);
    }
}

TEST(FirstRunHint, PointsAtTheDesktopsOwnSetting)
{
    const FirstRunHint gnome = FirstRunHint::forDesktop(QStringLiteral("/usr/bin/gnome-control-center"));
    EXPECT_EQ(gnome.openButtonTitle, QStringLiteral("Open Removable Media Settings"));
    EXPECT_EQ(gnome.program, QStringLiteral("/usr/bin/gnome-control-center"));
    EXPECT_EQ(gnome.arguments, QStringList { QStringLiteral("removable-media") });
    EXPECT_TRUE(gnome.informativeText.contains(QStringLiteral("Removable Media")));

    const FirstRunHint other = FirstRunHint::forDesktop(QString());
    EXPECT_TRUE(other.openButtonTitle.isEmpty());
    EXPECT_TRUE(other.program.isEmpty());
    EXPECT_EQ(other.message, gnome.message);
    EXPECT_FALSE(other.informativeText.contains(QStringLiteral("Removable Media")));
    EXPECT_EQ(FirstRunHint::dismissButtonTitle(), QStringLiteral("Got it"));

    const FirstRunHint xfce
        = FirstRunHint::forDesktop(QString(), QStringLiteral("/usr/bin/thunar-volman-settings"));
    EXPECT_EQ(xfce.program, QStringLiteral("/usr/bin/thunar-volman-settings"));
    EXPECT_TRUE(xfce.informativeText.contains(QStringLiteral("Browse removable media when inserted")));
}

} // namespace
