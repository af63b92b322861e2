#pragma once

#include <QString>
#include <QStringList>

/// The name a user knows the desktop's file manager by ("Thunar", "Files", "Dolphin").
namespace FileManagerName {
/// The Name of the executable's desktop entry without a trailing GenericName ("Thunar File
/// Manager" reads "Thunar"); the executable's file name when it has no entry.
QString forExecutable(const QString &executable, const QStringList &dataDirs);
/// The executable D-Bus starts for `service`; empty when no activation file, or files that
/// disagree, name one.
QString activationExecutable(const QString &service, const QStringList &dataDirs);
/// $XDG_DATA_HOME and $XDG_DATA_DIRS, with their defaults.
QStringList dataDirs();
} // namespace FileManagerName
