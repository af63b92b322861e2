#include "rules/AppSettings.h"
#include "rules/Rule.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(RuleModel, FactoriesDifferOnlyInId)
{
    Rule a = Rule::makeDefaultCatchAll();
    Rule b = Rule::makeDefaultCatchAll();
    EXPECT_NE(a.id, b.id);
    EXPECT_NE(a, b);
    b.id = a.id;
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.name, QStringLiteral("Any camera card"));
    EXPECT_TRUE(a.match.isAnyCard());
    EXPECT_EQ(a.subfolder, Subfolder::smart());
    EXPECT_TRUE(a.openNewestFolder);
    EXPECT_FALSE(a.selectNewestFile || a.bringToFront || a.placement || a.extras.mouseWarp);

    Rule n = Rule::makeNew();
    Rule m = Rule::makeNew();
    EXPECT_NE(n.id, m.id);
    m.id = n.id;
    EXPECT_EQ(n, m);
    EXPECT_EQ(n.name, QStringLiteral("New rule"));
    EXPECT_EQ(n.match, VolumeMatch::volumeName(QString()));
    EXPECT_EQ(n.subfolder, Subfolder::preset(Preset::Photos));
}

TEST(RuleModel, Summaries)
{
    struct Row {
        Subfolder subfolder;
        bool newest;
        bool select;
        QString expected;
    };
    const Row rows[] = {
        { Subfolder::smart(), true, false, QStringLiteral("Smart (DCIM / AVCHD / XAVC) \u2192 newest") },
        { Subfolder::preset(Preset::Avchd), true, true,
            QStringLiteral("PRIVATE/AVCHD/BDMV/STREAM \u2192 newest, select last file") },
        { Subfolder::preset(Preset::Photos), false, true, QStringLiteral("DCIM, select last file") },
        { Subfolder::preset(Preset::Xavc), false, false, QStringLiteral("PRIVATE/M4ROOT/CLIP") },
        { Subfolder::custom(QString()), false, false, QStringLiteral("(no folder)") },
        { Subfolder::custom(QStringLiteral(" /My Folder/ ")), false, false, QStringLiteral(" /My Folder/ ") },
    };
    for (const Row &row : rows) {
        Rule rule = Rule::makeNew();
        rule.subfolder = row.subfolder;
        rule.openNewestFolder = row.newest;
        rule.selectNewestFile = row.select;
        EXPECT_EQ(rule.openSummary(), row.expected);
    }

    Rule rule = Rule::makeNew();
    EXPECT_EQ(rule.matchSummary(), QStringLiteral("Card named "));
    rule.match = VolumeMatch::volumeName(QStringLiteral("EOS_DIGITAL"));
    EXPECT_EQ(rule.matchSummary(), QStringLiteral("Card named EOS_DIGITAL"));
    rule.match = VolumeMatch::anyCard();
    EXPECT_EQ(rule.matchSummary(), QStringLiteral("Any card"));
}

TEST(RuleModel, PresetsAndValues)
{
    EXPECT_EQ(Presets::allCases.size(), 3u);
    for (Preset preset : Presets::allCases)
        EXPECT_EQ(Presets::fromRawValue(Presets::rawValue(preset)), preset);
    EXPECT_FALSE(Presets::fromRawValue(QStringLiteral("Photos")).has_value());
    EXPECT_EQ(Presets::title(Preset::Xavc), QStringLiteral("Sony XAVC (PRIVATE/M4ROOT/CLIP)"));

    const Placement placement { 100, 50, 800, 600 };
    EXPECT_EQ(placement.right(), 900);
    EXPECT_EQ(placement.bottom(), 650);
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    EXPECT_EQ((Placement { kMax - 5, kMin + 5, 800, -600 }.right()), kMax);
    EXPECT_EQ((Placement { kMax - 5, kMin + 5, 800, -600 }.bottom()), kMin);
    EXPECT_EQ((Placement { kMax, kMin, kMin, kMax }.withinValidRanges()),
        (Placement { 20000, -20000, 200, 20000 }));
    EXPECT_EQ(placement.withinValidRanges(), placement);
    EXPECT_EQ((MousePoint { kMin, kMax }.withinValidRanges()), (MousePoint { -20000, 20000 }));
    EXPECT_EQ((MousePoint { -3, 19999 }.withinValidRanges()), (MousePoint { -3, 19999 }));

    const AppSettings defaults = AppSettings::defaults();
    EXPECT_EQ(defaults, AppSettings());
    EXPECT_TRUE(defaults.showUnmountItems);
    EXPECT_FALSE(defaults.paused || defaults.handleCardsPresentAtLaunch || defaults.showNotifications
        || defaults.firstRunHintShown || defaults.extrasRevealed);

    EXPECT_NE(Subfolder::custom(QStringLiteral("DCIM")), Subfolder::preset(Preset::Photos));
    EXPECT_NE(VolumeMatch::volumeName(QStringLiteral("eos")), VolumeMatch::volumeName(QStringLiteral("EOS")));
}

} // namespace
