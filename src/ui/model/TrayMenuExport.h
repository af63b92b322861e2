#pragma once

#include "platform/TrayMenuEntry.h"
#include "ui/model/StatusMenuItem.h"

#include <QList>

/// The tray menu as Mirvale exports it over DBusMenu: the entries for the lines the core
/// built, with ids that stay while the menu keeps its shape, labels escaped for the hosts,
/// and what changed since the menu last sent.
class TrayMenuExport {
public:
    enum class Change { None, Entries, Layout };

    /// `text` as a label that hosts show exactly: they read `_` as the mnemonic marker and
    /// `__` as a literal one (Plasma, GNOME's AppIndicator extension, LXQt, MATE, and Xfce's
    /// panel, whose libdbusmenu-gtk menu shows `&` and `<` as they are).
    static QString label(const QString &text);
    /// A portable key sequence ("Ctrl+,") as DBusMenu names its keys ("Control", ",").
    static QStringList shortcutKeys(const QString &portable);

    /// Takes the lines the menu shows now. Says whether hosts must read the whole layout
    /// again (another shape), only the entries in changedIds(), or nothing.
    Change take(const QList<StatusMenuItem> &items);

    const QList<TrayMenuEntry> &entries() const { return m_entries; }
    const QList<int> &changedIds() const { return m_changedIds; }
    /// The line of the entry with this id, or -1 for an id of an earlier shape.
    qsizetype indexOf(int id) const;

private:
    TrayMenuEntry entryFor(const StatusMenuItem &item, int id) const;

    QList<StatusMenuItem> m_items;
    QList<TrayMenuEntry> m_entries;
    QList<int> m_changedIds;
    /// Ids are never reused, so a click a host sends for an entry of an earlier shape
    /// cannot reach the line that took its place.
    int m_nextId = 1;
};
