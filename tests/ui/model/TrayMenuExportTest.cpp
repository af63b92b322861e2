#include "ui/model/TrayMenuExport.h"
#include "common/QtPrinters.h"
#include "ui/model/StatusMenuModel.h"

#include <gtest/gtest.h>

namespace {

/// What a host shows for `label`: `__` is a literal underscore, a single `_` marks the mnemonic;
/// the rest, `&` and `<` included, as it is (Xfce's panel was seen doing the same).
QString shown(const QString &label)
{
    QString text;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] != u'_')
            text.append(label[i]);
        else if (i + 1 < label.size() && label[i + 1] == u'_')
            text.append(label[++i]);
    }
    return text;
}

QList<StatusMenuItem> menuWith(const QList<QString> &cardNames, bool paused = false)
{
    StatusMenuModel::Input input;
    for (const QString &name : cardNames) {
        DetectedCard card;
        card.deviceName = QStringLiteral("sd") + name;
        card.name = name;
        card.mountURL = QUrl::fromLocalFile(QStringLiteral("/media/me/") + name);
        card.freeBytes = 1'000'000;
        input.detectedCards.append(card);
    }
    input.settings.paused = paused;
    return StatusMenuModel::build(input);
}

} // namespace

TEST(TrayMenuExportTest, HostsShowCardNamesExactly)
{
    for (const QString &name : { QStringLiteral("EOS_DIGITAL"), QStringLiteral("R&D_CARD"),
             QStringLiteral("DESK_1"), QStringLiteral("DESK&2"), QStringLiteral("__A&amp;<b>_") })
        EXPECT_EQ(shown(TrayMenuExport::label(name)), name) << qPrintable(name);
    EXPECT_EQ(TrayMenuExport::shortcutKeys(QStringLiteral("Ctrl+,")),
        (QStringList { QStringLiteral("Control"), QStringLiteral(",") }));
    EXPECT_EQ(TrayMenuExport::shortcutKeys(QStringLiteral("Ctrl++")),
        (QStringList { QStringLiteral("Control"), QStringLiteral("+") }));
    EXPECT_TRUE(TrayMenuExport::shortcutKeys(QString()).isEmpty());
}

TEST(TrayMenuExportTest, IdsStayWhileTheShapeHoldsAndOnlyChangesAreSent)
{
    TrayMenuExport menu;
    ASSERT_EQ(menu.take(menuWith({ QStringLiteral("A") })), TrayMenuExport::Change::Layout);
    const QList<TrayMenuEntry> first = menu.entries();
    EXPECT_EQ(menu.take(menuWith({ QStringLiteral("A") })), TrayMenuExport::Change::None);

    // Paused: one tick changes, under the same id.
    ASSERT_EQ(menu.take(menuWith({ QStringLiteral("A") }, true)), TrayMenuExport::Change::Entries);
    ASSERT_EQ(menu.changedIds().size(), 1);
    const qsizetype pause = menu.indexOf(menu.changedIds().first());
    EXPECT_TRUE(menu.entries()[pause].checked);
    EXPECT_EQ(menu.entries()[pause].label, QStringLiteral("Pause watching"));
    for (qsizetype i = 0; i < first.size(); ++i)
        EXPECT_EQ(menu.entries()[i].id, first[i].id);

    // Another card: another shape, and ids never seen before, so a host's stale click finds nothing.
    ASSERT_EQ(menu.take(menuWith({ QStringLiteral("A"), QStringLiteral("B") }, true)),
        TrayMenuExport::Change::Layout);
    for (const TrayMenuEntry &old : first)
        EXPECT_EQ(menu.indexOf(old.id), -1);
}
