#include "platform/linux/gui/X11Compositing.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

bool X11Compositing::isRunning()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return true;
    xcb_connection_t *connection = x11->connection();
    // The compositing manager of screen 0 owns this selection (EWMH).
    static constexpr char kSelection[] = "_NET_WM_CM_S0";
    const xcb_intern_atom_cookie_t atomCookie
        = xcb_intern_atom(connection, 0, sizeof(kSelection) - 1, kSelection);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    if (!atom)
        return true;
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}
