#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>

/// Which display platform Mirvale asks Qt for. Wayland does not let a program place its own
/// windows, and the report panels must sit in the top-right corner; so on a Wayland session
/// with XWayland at hand, Mirvale runs as an X11 client unless the user chose otherwise.
namespace DisplayPlatform {

using Environment = std::function<QByteArray(const char *name)>;

/// "xcb" when Mirvale should go through XWayland: WAYLAND_DISPLAY and DISPLAY are set and
/// neither QT_QPA_PLATFORM nor a -platform argument names a platform. Otherwise empty.
QByteArray platformOverride(const Environment &environment, const QStringList &arguments);

} // namespace DisplayPlatform
