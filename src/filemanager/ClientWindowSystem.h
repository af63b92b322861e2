#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

/// Which display server a program draws its windows on, told from the environment it was
/// started with and the toolkit it loaded, as GTK and Qt choose their backend themselves.
namespace ClientWindowSystem {

enum class Kind { X11, Wayland, Unknown };

/// `libraries`: the file names of the program's shared libraries, empty when unknown.
Kind of(const QHash<QString, QString> &environment, const QStringList &libraries);

} // namespace ClientWindowSystem
