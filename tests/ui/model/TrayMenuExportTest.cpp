#include "ui/model/TrayMenuExport.h"
#include "common/QtPrinters.h"
#include "ui/model/StatusMenuModel.h"

#include <gtest/gtest.h>

namespace {

using Style = TrayMenuExport::LabelStyle;

/// What a host of `style` shows for `label`: GTK's markup-with-mnemonic parse (libdbusmenu-gtk,
/// which shows nothing for a label that is not valid markup) or the plain mnemonic reading.
QString shownBy(Style style, const QString &label)
{
    QString text;
    for (qsizetype i = 0; i < label.size(); ++i) {
        if (label[i] == u'_') {
            if (i + 1 < label.size() && label[i + 1] == u'_')
                text.append(label[++i]);
            continue;
        }
        if (style == Style::MarkupMnemonic && label[i] == u'<')
            return {};
        if (style == Style::MarkupMnemonic && label[i] == u'&') {
            static const QList<std::pair<QString, QChar>> entities = { { QStringLiteral("&amp;"), u'&' },
                { QStringLiteral("&lt;"), u'<' }, { QStringLiteral("&gt;"), u'>' } };
            bool known = false;
            for (const auto &[entity, character] : entities) {
                if (label.mid(i, entity.size()) == entity) {
                    text.append(character);
                    i += entity.size() - 1;
                    known = true;
                }
            }
            if (!known)
                return {};
            continue;
        }
        text.append(label[i]);
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

TEST(TrayMenuExportTest, EachHostShowsCardNamesExactly)
{
    const struct {
        QString program;
        Style style;
    } hosts[] = {
        { QStringLiteral("plasmashell"), Style::Mnemonic },
        { QStringLiteral("gnome-shell"), Style::Mnemonic },
        { QStringLiteral("lxqt-panel"), Style::Mnemonic },
        { QStringLiteral("mate-panel"), Style::Mnemonic },
        { QString(), Style::Mnemonic },
        { QStringLiteral("xfce4-panel"), Style::MarkupMnemonic },
        { QStringLiteral("wrapper-2.0"), Style::MarkupMnemonic },
        { QStringLiteral("panel-6-systray"), Style::MarkupMnemonic }, // Xfce 4.18's plugin wrapper
        { QStringLiteral("panel-6-systrayx"), Style::Mnemonic },
        { QStringLiteral("waybar"), Style::MarkupMnemonic },
    };
    const QString names[] = { QStringLiteral("EOS_DIGITAL"), QStringLiteral("R&D_CARD"),
        QStringLiteral("DESK_1"), QStringLiteral("DESK&2"), QStringLiteral("__A&amp;<b>_") };
    for (const auto &host : hosts) {
        const Style style = TrayMenuExport::labelStyleFor(host.program);
        EXPECT_EQ(style, host.style) << qPrintable(host.program);
        for (const QString &name : names) {
            EXPECT_EQ(shownBy(style, TrayMenuExport::label(name, style)), name)
                << qPrintable(host.program + u' ' + name);
            // What the other kind of host would make of it: the escaping is per host.
            const Style other = style == Style::Mnemonic ? Style::MarkupMnemonic : Style::Mnemonic;
            if (name.contains(u'&') || name.contains(u'<')) {
                EXPECT_NE(shownBy(other, TrayMenuExport::label(name, style)), name)
                    << qPrintable(host.program + u' ' + name);
            }
        }
    }
    EXPECT_EQ(TrayMenuExport::shortcutKeys(QStringLiteral("Ctrl+,")),
        (QStringList { QStringLiteral("Control"), QStringLiteral(",") }));
    EXPECT_EQ(TrayMenuExport::shortcutKeys(QStringLiteral("Ctrl++")),
        (QStringList { QStringLiteral("Control"), QStringLiteral("+") }));
    EXPECT_TRUE(TrayMenuExport::shortcutKeys(QString()).isEmpty());
}

TEST(TrayMenuExportTest, IdsStayWhileTheShapeHoldsAndOnlyChangesAreSent)
{
    TrayMenuExport menu;
    ASSERT_EQ(menu.take(menuWith({ QStringLiteral("A") }), Style::Mnemonic), TrayMenuExport::Change::Layout);
    const QList<TrayMenuEntry> first = menu.entries();
    EXPECT_EQ(menu.take(menuWith({ QStringLiteral("A") }), Style::Mnemonic), TrayMenuExport::Change::None);

    // Paused: one tick changes, under the same id.
    ASSERT_EQ(
        menu.take(menuWith({ QStringLiteral("A") }, true), Style::Mnemonic), TrayMenuExport::Change::Entries);
    ASSERT_EQ(menu.changedIds().size(), 1);
    const qsizetype pause = menu.indexOf(menu.changedIds().first());
    EXPECT_TRUE(menu.entries()[pause].checked);
    EXPECT_EQ(menu.entries()[pause].label, QStringLiteral("Pause watching"));
    for (qsizetype i = 0; i < first.size(); ++i)
        EXPECT_EQ(menu.entries()[i].id, first[i].id);

    // Another card: another shape, and ids never seen before, so a host's stale click finds nothing.
    ASSERT_EQ(menu.take(menuWith({ QStringLiteral("A"), QStringLiteral("B") }, true), Style::Mnemonic),
        TrayMenuExport::Change::Layout);
    for (const TrayMenuEntry &old : first)
        EXPECT_EQ(menu.indexOf(old.id), -1);
    // A host of another kind reads the whole menu again.
    EXPECT_EQ(menu.take(menuWith({ QStringLiteral("A"), QStringLiteral("B") }, true), Style::MarkupMnemonic),
        TrayMenuExport::Change::Layout);
}
