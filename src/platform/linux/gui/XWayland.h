#pragma once

/// Whether Mirvale's X11 display is XWayland, that is, it runs as an X11 client on a Wayland
/// session. There the compositor places the windows it manages wherever it likes.
namespace XWayland {
/// True when the application runs on xcb and the X server's screens are XWayland's.
bool isDisplayServer();
} // namespace XWayland
