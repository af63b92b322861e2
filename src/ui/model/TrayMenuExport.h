#pragma once

#include "platform/TrayMenuEntry.h"
#include "ui/model/StatusMenuItem.h"

#include <QList>

#include <optional>

/// The tray menu as Mirvale exports it over DBusMenu: the entries for the lines the core
/// built, with ids that stay while the menu keeps its shape, labels escaped for the host
/// that reads them, and what changed since the menu last sent.
class TrayMenuExport {
public:
    /// How a host turns a label into its menu's text.
    enum class LabelStyle {
        /// Plain text, `_` marks the mnemonic and `__` is a literal one (Plasma, GNOME's
        /// AppIndicator extension, LXQt, MATE).
        Mnemonic,
        /// Pango markup with mnemonics, as libdbusmenu-gtk reads it (Xfce's panel, waybar):
        /// `&` and `<` are entities too, and a label that is not valid markup shows empty.
        MarkupMnemonic,
    };

    enum class Change { None, Entries, Layout };

    /// The style of the host run by `program` (its process name).
    static LabelStyle labelStyleFor(const QString &program);
    /// `text` for a host of `style`, so that it shows `text` exactly.
    static QString label(const QString &text, LabelStyle style);
    /// A portable key sequence ("Ctrl+,") as DBusMenu names its keys ("Control", ",").
    static QStringList shortcutKeys(const QString &portable);

    /// Takes the lines the menu shows now. Says whether hosts must read the whole layout
    /// again (another shape), only the entries in changedIds(), or nothing.
    Change take(const QList<StatusMenuItem> &items, LabelStyle style);

    const QList<TrayMenuEntry> &entries() const { return m_entries; }
    const QList<int> &changedIds() const { return m_changedIds; }
    /// The line of the entry with this id, or -1 for an id of an earlier shape.
    qsizetype indexOf(int id) const;

private:
    TrayMenuEntry entryFor(const StatusMenuItem &item, int id, LabelStyle style) const;

    QList<StatusMenuItem> m_items;
    QList<TrayMenuEntry> m_entries;
    QList<int> m_changedIds;
    std::optional<LabelStyle> m_style;
    /// Ids are never reused, so a click a host sends for an entry of an earlier shape
    /// cannot reach the line that took its place.
    int m_nextId = 1;
};
