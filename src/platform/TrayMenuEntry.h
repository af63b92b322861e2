#pragma once

#include <QString>
#include <QStringList>

/// One entry of the tray menu as a status-notifier host receives it over DBusMenu.
struct TrayMenuEntry {
    /// Stays the same while the menu keeps its shape; a host sends it back with a click.
    int id = 0;
    bool isSeparator = false;
    /// Already escaped for the host that reads it.
    QString label;
    bool enabled = true;
    bool checkable = false;
    bool checked = false;
    /// DBusMenu's key names ("Control", ","); empty for none.
    QStringList shortcut;

    friend bool operator==(const TrayMenuEntry &, const TrayMenuEntry &) = default;
};
