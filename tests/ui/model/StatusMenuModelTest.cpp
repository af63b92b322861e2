#include "ui/model/StatusMenuModel.h"
#include "common/QtPrinters.h"
#include "detection/CardLineTitle.h"

#include <gtest/gtest.h>

namespace {

using Action = StatusMenuItem::Action;

DetectedCard mountedCard(
    const QString &name, std::optional<qint64> freeBytes, const QString &bsd = QStringLiteral("sdb1"))
{
    DetectedCard card;
    card.deviceName = bsd;
    card.name = name;
    card.mountURL = QUrl::fromLocalFile(QStringLiteral("/media/me/") + name);
    card.freeBytes = freeBytes;
    return card;
}

DetectedCard unmountedCard(const QString &name, const QString &bsd)
{
    DetectedCard card;
    card.deviceName = bsd;
    card.name = name;
    return card;
}

DetectedCard ejectedCard(const QString &name)
{
    DetectedCard card = unmountedCard(name, QStringLiteral("slot:mmc0"));
    card.isEjected = true;
    return card;
}

MountedCard watcherCard(const QString &name, qint64 freeBytes)
{
    MountedCard card;
    card.url = QUrl::fromLocalFile(QStringLiteral("/media/me/") + name);
    card.name = name;
    card.isRemovable = true;
    card.isEjectable = false; // differs from a built card, so the test can tell them apart
    card.freeBytes = freeBytes;
    return card;
}

/// One line per item: separators as "---", disabled lines in brackets, ticks as [x]/[ ],
/// indentation as leading ">", shortcuts after "|".
QStringList render(const QList<StatusMenuItem> &items)
{
    QStringList lines;
    for (const StatusMenuItem &item : items) {
        if (item.isSeparator) {
            lines.append(QStringLiteral("---"));
            continue;
        }
        QString line = QString(item.indentation, u'>') + item.title;
        if (item.checkable)
            line = (item.checked ? QStringLiteral("[x] ") : QStringLiteral("[ ] ")) + line;
        if (!item.enabled)
            line = u'(' + line + u')';
        if (!item.shortcut.isEmpty())
            line += u'|' + item.shortcut;
        lines.append(line);
    }
    return lines;
}

const QStringList kCommands {
    QStringLiteral("---"),
    QStringLiteral("[ ] Pause watching"),
    QStringLiteral("---"),
    QStringLiteral("Settings\u2026|Ctrl+,"),
    QStringLiteral("[ ] Launch at Login"),
    QStringLiteral("Show Log"),
    QStringLiteral("(Check for Updates\u2026)"),
    QStringLiteral("---"),
    QStringLiteral("Quit Mirvale|Ctrl+Q"),
};

QStringList withCommands(QStringList head)
{
    return head + kCommands;
}

} // namespace

TEST(CardLineTitle, FormsByState)
{
    EXPECT_EQ(CardLineTitle::title(mountedCard(QStringLiteral("EOS_DIGITAL"), 31'900'000'000)),
        QStringLiteral("EOS_DIGITAL \u2014 31.9 GB free"));
    EXPECT_EQ(CardLineTitle::title(mountedCard(QStringLiteral("EOS_DIGITAL"), std::nullopt)),
        QStringLiteral("EOS_DIGITAL \u2014 free space unknown"));
    EXPECT_EQ(CardLineTitle::title(unmountedCard(QStringLiteral("NIKON"), QStringLiteral("sdc1"))),
        QStringLiteral("NIKON \u2014 unmounted"));
}

TEST(StatusMenuModel, CardListsBecomeTheseLines)
{
    struct Row {
        const char *what;
        QList<DetectedCard> cards;
        bool showUnmountItems;
        QStringList expectedHead;
    };
    const QString unmount = QStringLiteral(">Unmount (keeps it in this menu)");
    const QList<Row> rows {
        { "no cards", {}, true,
            { QStringLiteral("(Mirvale)"), QStringLiteral("---"), QStringLiteral("(No cards inserted)") } },
        { "mounted, free space known", { mountedCard(QStringLiteral("EOS_DIGITAL"), 31'900'000'000) }, true,
            { QStringLiteral("(Mirvale)"), QStringLiteral("---"),
                QStringLiteral("EOS_DIGITAL \u2014 31.9 GB free"), unmount } },
        { "mounted, free space unknown", { mountedCard(QStringLiteral("EOS_DIGITAL"), std::nullopt) }, true,
            { QStringLiteral("(Mirvale)"), QStringLiteral("---"),
                QStringLiteral("EOS_DIGITAL \u2014 free space unknown"), unmount } },
        { "unmounted: clickable, no unmount line",
            { unmountedCard(QStringLiteral("NIKON"), QStringLiteral("sdc1")) }, true,
            { QStringLiteral("(Mirvale)"), QStringLiteral("---"),
                QStringLiteral("NIKON \u2014 unmounted") } },
        { "ejected in its slot: one disabled line whatever showUnmountItems says",
            { ejectedCard(QStringLiteral("SD_CARD")) }, true,
            { QStringLiteral("(Mirvale)"), QStringLiteral("---"),
                QStringLiteral("(SD_CARD \u2014 ejected by the system, pull it out and reinsert)") } },
        { "showUnmountItems off",
            { mountedCard(QStringLiteral("A"), 1'000),
                mountedCard(QStringLiteral("B"), std::nullopt, QStringLiteral("sdc1")) },
            false,
            { QStringLiteral("(Mirvale)"), QStringLiteral("---"), QStringLiteral("A \u2014 1 KB free"),
                QStringLiteral("B \u2014 free space unknown") } },
        { "known by its mount alone: unmounted, it leaves the menu, and its line says so", { [] {
             DetectedCard card
                 = mountedCard(QStringLiteral("FUSE"), 1'000, QStringLiteral("path:/media/me/FUSE"));
             card.leavesWhenUnmounted = true;
             return card;
         }() },
            true,
            { QStringLiteral("(Mirvale)"), QStringLiteral("---"), QStringLiteral("FUSE \u2014 1 KB free"),
                QStringLiteral(">Unmount (removes it from this menu)") } },
        { "several cards keep the watcher's order",
            { unmountedCard(QStringLiteral("Z"), QStringLiteral("sdd1")),
                mountedCard(QStringLiteral("A"), 1'000), ejectedCard(QStringLiteral("M")) },
            true,
            { QStringLiteral("(Mirvale)"), QStringLiteral("---"), QStringLiteral("Z \u2014 unmounted"),
                QStringLiteral("A \u2014 1 KB free"), unmount,
                QStringLiteral("(M \u2014 ejected by the system, pull it out and reinsert)") } },
    };
    for (const Row &row : rows) {
        StatusMenuModel::Input input;
        input.detectedCards = row.cards;
        input.settings.showUnmountItems = row.showUnmountItems;
        EXPECT_EQ(render(StatusMenuModel::build(input)), withCommands(row.expectedHead)) << row.what;
    }
}

TEST(StatusMenuModel, LinesCarryTheirCardsAndActions)
{
    const DetectedCard mounted = mountedCard(QStringLiteral("EOS_DIGITAL"), 5'000);
    const DetectedCard unmounted = unmountedCard(QStringLiteral("NIKON"), QStringLiteral("sdc1"));
    StatusMenuModel::Input input;
    input.detectedCards = { mounted, unmounted, ejectedCard(QStringLiteral("SD")) };
    input.mountedCards
        = { watcherCard(QStringLiteral("OTHER"), 1), watcherCard(QStringLiteral("EOS_DIGITAL"), 7'000) };
    const QList<StatusMenuItem> items = StatusMenuModel::build(input);

    ASSERT_NE(items[2].detectedCard(), nullptr);
    EXPECT_EQ(*items[2].detectedCard(), mounted);
    EXPECT_EQ(items[2].action, Action::OpenCard);
    // The unmount line carries the watcher's own card for that mount point.
    ASSERT_NE(items[3].mountedCard(), nullptr);
    EXPECT_EQ(*items[3].mountedCard(), input.mountedCards[1]);
    EXPECT_EQ(items[3].action, Action::EjectCard);
    EXPECT_EQ(items[3].indentation, 1);
    ASSERT_NE(items[4].detectedCard(), nullptr);
    EXPECT_EQ(items[4].action, Action::OpenCard);
    // The ejected card's line does nothing and carries nothing.
    EXPECT_EQ(items[5].action, Action::None);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(items[5].card));

    QList<Action> commands;
    for (qsizetype i = 6; i < items.size(); ++i)
        commands.append(items[i].action);
    EXPECT_EQ(commands,
        (QList<Action> { Action::None, Action::TogglePause, Action::None, Action::ShowSettings,
            Action::ToggleLaunchAtLogin, Action::ShowLog, Action::CheckForUpdates, Action::None,
            Action::Quit }));
}

TEST(StatusMenuModel, UnmountLineIsBuiltFromTheDetectedCardWhenTheWatcherLacksIt)
{
    const DetectedCard card = mountedCard(QStringLiteral("EOS_DIGITAL"), 31'900'000'000);
    const QList<StatusMenuItem> items
        = StatusMenuModel::cardItems(card, { watcherCard(QStringLiteral("ELSEWHERE"), 1) }, true);
    ASSERT_EQ(items.size(), 2);
    ASSERT_NE(items[1].mountedCard(), nullptr);
    MountedCard expected;
    expected.url = *card.mountURL;
    expected.name = card.name;
    expected.isRemovable = true;
    expected.isEjectable = true;
    expected.freeBytes = card.freeBytes;
    EXPECT_EQ(*items[1].mountedCard(), expected);
}

TEST(StatusMenuModel, TicksFollowPauseLoginAndTheUpdateLine)
{
    StatusMenuModel::Input input;
    input.settings.paused = true;
    input.launchAtLogin = true;
    input.updateTitle = QStringLiteral("Update to 2.3\u2026");
    input.updateEnabled = true;
    const QStringList lines = render(StatusMenuModel::build(input));
    EXPECT_TRUE(lines.contains(QStringLiteral("[x] Pause watching")));
    EXPECT_TRUE(lines.contains(QStringLiteral("[x] Launch at Login")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Update to 2.3\u2026")));
}

TEST(StatusMenuModel, RetitlingTouchesOnlyTitlesOfCardsStillThere)
{
    const DetectedCard canon
        = mountedCard(QStringLiteral("EOS_DIGITAL"), 31'900'000'000, QStringLiteral("sdb1"));
    const DetectedCard nikon = unmountedCard(QStringLiteral("NIKON"), QStringLiteral("sdc1"));
    const DetectedCard sony = mountedCard(QStringLiteral("SONY"), 2'000'000'000, QStringLiteral("sdd1"));
    StatusMenuModel::Input input;
    input.detectedCards = { canon, nikon, sony };
    QList<StatusMenuItem> items = StatusMenuModel::build(input);
    const QList<StatusMenuItem> before = items;

    // Fresher free space for the Canon card, the Nikon card unchanged, the Sony card gone,
    // and a new card that is not in the open menu.
    DetectedCard fresher = canon;
    fresher.freeBytes = 29'500'000'000;
    const QList<qsizetype> changed = StatusMenuModel::retitle(
        items, { unmountedCard(QStringLiteral("NEW"), QStringLiteral("sde1")), nikon, fresher });

    ASSERT_EQ(changed, QList<qsizetype> { 2 });
    ASSERT_EQ(items.size(), before.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i == 2)
            continue;
        EXPECT_EQ(items[i], before[i]) << "line " << i;
    }
    EXPECT_EQ(items[2].title, QStringLiteral("EOS_DIGITAL \u2014 29.5 GB free"));
    EXPECT_EQ(*items[2].detectedCard(), fresher);
    StatusMenuItem withoutTitle = items[2];
    withoutTitle.title = before[2].title;
    withoutTitle.card = before[2].card;
    EXPECT_EQ(withoutTitle, before[2]);
}

TEST(StatusMenuModel, RetitlingLeavesLinesWhoseCardWasEjectedOrWhenNoCardsRemain)
{
    const DetectedCard canon = mountedCard(QStringLiteral("EOS_DIGITAL"), 1'000, QStringLiteral("mmcblk0p1"));
    StatusMenuModel::Input input;
    input.detectedCards = { canon };
    QList<StatusMenuItem> items = StatusMenuModel::build(input);
    const QList<StatusMenuItem> before = items;

    DetectedCard ejected = canon;
    ejected.isEjected = true;
    ejected.freeBytes = 2'000;
    EXPECT_TRUE(StatusMenuModel::retitle(items, { ejected }).isEmpty());
    EXPECT_TRUE(StatusMenuModel::retitle(items, {}).isEmpty());
    EXPECT_EQ(items, before);
}

TEST(StatusMenuModel, IdentityIsTheMountPathElseTheDeviceName)
{
    DetectedCard card = mountedCard(QStringLiteral("A"), 1);
    card.mountURL = QUrl::fromLocalFile(QStringLiteral("/media/me/./A/"));
    EXPECT_EQ(StatusMenuModel::identityKey(card), QStringLiteral("/media/me/A"));
    EXPECT_EQ(StatusMenuModel::identityKey(unmountedCard(QStringLiteral("A"), QStringLiteral("sdc1"))),
        QStringLiteral("sdc1"));
}

TEST(StatusMenuModel, TheShapeHoldsWhileOnlyTitlesTicksAndCardsChange)
{
    const DetectedCard canon = mountedCard(QStringLiteral("EOS_DIGITAL"), 1'000, QStringLiteral("sdb1"));
    StatusMenuModel::Input input;
    input.detectedCards = { canon };
    const QList<StatusMenuItem> shown = StatusMenuModel::build(input);
    const auto with = [&](auto change) {
        StatusMenuModel::Input changed = input;
        change(changed);
        return StatusMenuModel::sameShape(shown, StatusMenuModel::build(changed));
    };
    EXPECT_TRUE(with([](auto &in) { in.detectedCards[0].freeBytes = 2'000; }));
    EXPECT_TRUE(with([](auto &in) { in.detectedCards[0].name = QStringLiteral("OTHER"); }));
    EXPECT_TRUE(with([](auto &in) { in.settings.paused = true; }));
    EXPECT_TRUE(with([](auto &in) { in.updateTitle = QStringLiteral("Update to 2.3\u2026"); }));
    EXPECT_FALSE(with([](auto &in) {
        in.detectedCards.append(unmountedCard(QStringLiteral("N"), QStringLiteral("sdc1")));
    }));
    EXPECT_FALSE(with([](auto &in) { in.detectedCards[0].mountURL.reset(); }));
    EXPECT_FALSE(with([](auto &in) { in.detectedCards.clear(); }));
    EXPECT_FALSE(with([](auto &in) { in.settings.showUnmountItems = false; }));
}
