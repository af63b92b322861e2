#pragma once

#include <QString>
#include <QStringList>

/// The once-only hint that the desktop itself may also react to an inserted card. Linux has
/// no one application for that: the desktop's own "when media is inserted" setting decides,
/// so the hint points there, and offers a button only where it knows the settings panel.
struct FirstRunHint {
    QString message;
    QString informativeText;
    /// Empty when there is nothing to open.
    QString openButtonTitle;
    QString program;
    QStringList arguments;

    static QString dismissButtonTitle();

    /// The hint for a desktop; `controlCenter` is the path of GNOME Settings
    /// (gnome-control-center), empty when it is not installed; `removableDrives` is the path of
    /// Xfce's Removable Drives and Media settings (thunar-volman-settings) in an Xfce session.
    static FirstRunHint forDesktop(const QString &controlCenter, const QString &removableDrives = {});
};
