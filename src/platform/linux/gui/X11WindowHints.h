#pragma once

class QWindow;

/// What a window says about itself to an X11 window manager and panels (EWMH).
namespace X11WindowHints {

/// Marks a top-level window as a notification that stays out of task lists and pagers.
/// Call after the native window exists and before it is first shown; does nothing off X11.
void markAsNotification(QWindow *window);

} // namespace X11WindowHints
