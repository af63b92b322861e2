#include "platform/linux/gui/X11WindowHints.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb_ewmh.h>

void X11WindowHints::markAsNotification(QWindow *window)
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!window || !x11 || !x11->connection())
        return;
    xcb_ewmh_connection_t ewmh;
    if (!xcb_ewmh_init_atoms_replies(&ewmh, xcb_ewmh_init_atoms(x11->connection(), &ewmh), nullptr))
        return;
    const auto id = xcb_window_t(window->winId());
    // Window managers that do not know the notification type fall back to the utility type,
    // which is what Qt gives a tool window.
    xcb_atom_t types[] = { ewmh._NET_WM_WINDOW_TYPE_NOTIFICATION, ewmh._NET_WM_WINDOW_TYPE_UTILITY };
    xcb_ewmh_set_wm_window_type(&ewmh, id, 2, types);
    // Qt adds its own states (above) to these when it maps the window.
    xcb_atom_t states[] = { ewmh._NET_WM_STATE_SKIP_TASKBAR, ewmh._NET_WM_STATE_SKIP_PAGER };
    xcb_ewmh_set_wm_state(&ewmh, id, 2, states);
    xcb_flush(x11->connection());
    xcb_ewmh_connection_wipe(&ewmh);
}
