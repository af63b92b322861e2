#pragma once

#include <QByteArray>
#include <QStringList>

#include <functional>

/// Which display platforms Mirvale asks Qt for, in order. Wayland does not let a program place
/// its own windows, and the report panels must sit in the top-right corner; so on a Wayland
/// session with XWayland at hand, Mirvale runs as an X11 client unless the user chose
/// otherwise. Each list ends in the offscreen platform, so a missing plugin or an unreachable
/// display never aborts Mirvale.
namespace DisplayPlatform {

using Environment = std::function<QByteArray(const char *name)>;

/// The value for QT_QPA_PLATFORM ("xcb;wayland;offscreen" on Wayland with XWayland,
/// "wayland;offscreen" without, "xcb;offscreen" on X11, "offscreen" with no display); empty
/// when QT_QPA_PLATFORM or a -platform argument already names a platform.
QByteArray platformOverride(const Environment &environment, const QStringList &arguments);

} // namespace DisplayPlatform
