#include "platform/linux/X11WindowService.h"

#include <xcb/xcb.h>
#include <xcb/xcb_ewmh.h>

#include <poll.h>

#include <cstdlib>

namespace {

template <typename T> struct FreeDeleter {
    void operator()(T *pointer) const { std::free(pointer); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter<T>>;

} // namespace

struct X11WindowService::Connection {
    xcb_connection_t *xcb = nullptr;
    xcb_ewmh_connection_t ewmh {};
    bool ewmhReady = false;
    int screen = 0;
    xcb_window_t root = XCB_NONE;
    xcb_window_t timeWindow = XCB_NONE; // ours, for reading the server time
    xcb_atom_t timeAtom = XCB_NONE;
    xcb_atom_t startupIdAtom = XCB_NONE;
    xcb_atom_t gtkExtentsAtom = XCB_NONE;

    ~Connection()
    {
        if (ewmhReady)
            xcb_ewmh_connection_wipe(&ewmh);
        if (xcb)
            xcb_disconnect(xcb);
    }

    bool flush() { return xcb_flush(xcb) > 0 && !xcb_connection_has_error(xcb); }
};

X11WindowService::X11WindowService() = default;

X11WindowService::~X11WindowService() = default;

X11WindowService::Connection *X11WindowService::connection()
{
    if (m_connection && !xcb_connection_has_error(m_connection->xcb))
        return m_connection.get();
    m_connection.reset();

    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        m_reason = QStringLiteral("no X11 display (DISPLAY is not set)");
        return nullptr;
    }
    auto connection = std::make_unique<Connection>();
    connection->xcb = xcb_connect(nullptr, &connection->screen);
    if (xcb_connection_has_error(connection->xcb)) {
        m_reason = QStringLiteral("cannot connect to the X11 display ") + QString::fromLocal8Bit(display);
        return nullptr;
    }
    xcb_intern_atom_cookie_t *cookies = xcb_ewmh_init_atoms(connection->xcb, &connection->ewmh);
    if (!cookies || !xcb_ewmh_init_atoms_replies(&connection->ewmh, cookies, nullptr)) {
        m_reason = QStringLiteral("the X11 display ") + QString::fromLocal8Bit(display)
            + QStringLiteral(" did not answer");
        return nullptr;
    }
    connection->ewmhReady = true;
    if (connection->screen < 0 || connection->screen >= connection->ewmh.nb_screens) {
        m_reason = QStringLiteral("the X11 display has no screen %1").arg(connection->screen);
        return nullptr;
    }
    connection->root = connection->ewmh.screens[connection->screen]->root;

    const auto intern = [&connection](const QByteArray &name) -> xcb_atom_t {
        Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(connection->xcb,
            xcb_intern_atom(connection->xcb, 0, uint16_t(name.size()), name.constData()), nullptr));
        return atom ? atom->atom : XCB_NONE;
    };
    connection->timeAtom = intern("_MIRVALE_TIME");
    connection->startupIdAtom = intern("_NET_STARTUP_ID");
    connection->gtkExtentsAtom = intern("_GTK_FRAME_EXTENTS");
    connection->timeWindow = xcb_generate_id(connection->xcb);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection->xcb, XCB_COPY_FROM_PARENT, connection->timeWindow, connection->root, -1, -1,
        1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    if (!connection->flush()) {
        m_reason = QStringLiteral("the X11 connection broke");
        return nullptr;
    }
    m_reason.clear();
    m_connection = std::move(connection);
    return m_connection.get();
}

std::optional<QString> X11WindowService::unavailableReason()
{
    std::lock_guard lock(m_mutex);
    if (connection())
        return std::nullopt;
    return m_reason;
}

std::optional<WindowService::Clients> X11WindowService::clients()
{
    std::lock_guard lock(m_mutex);
    Connection *c = connection();
    if (!c)
        return std::nullopt;
    const xcb_get_property_cookie_t listCookie = xcb_ewmh_get_client_list(&c->ewmh, c->screen);
    const xcb_get_property_cookie_t activeCookie = xcb_ewmh_get_active_window(&c->ewmh, c->screen);
    xcb_ewmh_get_windows_reply_t list {};
    if (!xcb_ewmh_get_client_list_reply(&c->ewmh, listCookie, &list, nullptr)) {
        xcb_discard_reply(c->xcb, activeCookie.sequence);
        return std::nullopt;
    }
    Clients clients;
    clients.windows.reserve(qsizetype(list.windows_len));
    for (uint32_t index = 0; index < list.windows_len; ++index)
        clients.windows.append(list.windows[index]);
    xcb_ewmh_get_windows_reply_wipe(&list);
    xcb_window_t active = XCB_NONE;
    if (xcb_ewmh_get_active_window_reply(&c->ewmh, activeCookie, &active, nullptr) && active != XCB_NONE)
        clients.active = active;
    return clients;
}

std::optional<qint64> X11WindowService::processId(WindowId window)
{
    std::lock_guard lock(m_mutex);
    Connection *c = connection();
    if (!c)
        return std::nullopt;
    uint32_t pid = 0;
    if (!xcb_ewmh_get_wm_pid_reply(&c->ewmh, xcb_ewmh_get_wm_pid(&c->ewmh, window), &pid, nullptr))
        return std::nullopt;
    return qint64(pid);
}

std::optional<QByteArray> X11WindowService::property(WindowId window, quint32 atom)
{
    Connection *c = connection();
    if (!c || atom == XCB_NONE)
        return std::nullopt;
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        c->xcb, xcb_get_property(c->xcb, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
    if (!reply || reply->type == XCB_NONE || reply->format != 8)
        return std::nullopt;
    return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
        xcb_get_property_value_length(reply.get()));
}

std::optional<QString> X11WindowService::title(WindowId window)
{
    std::lock_guard lock(m_mutex);
    Connection *c = connection();
    if (!c)
        return std::nullopt;
    if (const std::optional<QByteArray> name = property(window, c->ewmh._NET_WM_NAME))
        return QString::fromUtf8(*name);
    if (const std::optional<QByteArray> name = property(window, XCB_ATOM_WM_NAME))
        return QString::fromLatin1(*name);
    return std::nullopt;
}

std::optional<QString> X11WindowService::startupId(WindowId window)
{
    std::lock_guard lock(m_mutex);
    Connection *c = connection();
    if (!c)
        return std::nullopt;
    const std::optional<QByteArray> id = property(window, c->startupIdAtom);
    return id ? std::optional<QString>(QString::fromUtf8(*id)) : std::nullopt;
}

std::optional<QString> X11WindowService::windowClass(WindowId window)
{
    std::lock_guard lock(m_mutex);
    // Two strings, each ending in a NUL: the instance and the class.
    std::optional<QByteArray> names = property(window, XCB_ATOM_WM_CLASS);
    if (!names)
        return std::nullopt;
    if (names->endsWith('\0'))
        names->chop(1);
    return QString::fromLatin1(names->replace('\0', ' '));
}

std::optional<WindowService::Geometry> X11WindowService::geometry(WindowId window)
{
    std::lock_guard lock(m_mutex);
    Connection *c = connection();
    if (!c)
        return std::nullopt;
    const xcb_get_geometry_cookie_t sizeCookie = xcb_get_geometry(c->xcb, window);
    const xcb_translate_coordinates_cookie_t originCookie
        = xcb_translate_coordinates(c->xcb, window, c->root, 0, 0);
    const xcb_get_property_cookie_t extentsCookie = xcb_ewmh_get_frame_extents(&c->ewmh, window);
    const xcb_get_property_cookie_t shadowCookie
        = xcb_get_property(c->xcb, 0, window, c->gtkExtentsAtom, XCB_ATOM_CARDINAL, 0, 4);
    Reply<xcb_get_geometry_reply_t> size(xcb_get_geometry_reply(c->xcb, sizeCookie, nullptr));
    Reply<xcb_translate_coordinates_reply_t> origin(
        xcb_translate_coordinates_reply(c->xcb, originCookie, nullptr));
    xcb_ewmh_get_extents_reply_t extents {};
    const bool hasExtents = xcb_ewmh_get_frame_extents_reply(&c->ewmh, extentsCookie, &extents, nullptr);
    Reply<xcb_get_property_reply_t> shadow(xcb_get_property_reply(c->xcb, shadowCookie, nullptr));
    if (!size || !origin)
        return std::nullopt;
    Geometry geometry;
    geometry.client = QRect(origin->dst_x, origin->dst_y, size->width, size->height);
    if (hasExtents)
        geometry.extents
            = FrameExtents { int(extents.left), int(extents.right), int(extents.top), int(extents.bottom) };
    // A client-side decoration's shadow is part of the window but not of its visible frame.
    if (shadow && shadow->format == 32 && xcb_get_property_value_length(shadow.get()) == 16) {
        const auto *gtk = static_cast<const uint32_t *>(xcb_get_property_value(shadow.get()));
        FrameExtents &frame = geometry.extents.emplace(geometry.extents.value_or(FrameExtents {}));
        frame.left -= int(gtk[0]);
        frame.right -= int(gtk[1]);
        frame.top -= int(gtk[2]);
        frame.bottom -= int(gtk[3]);
    }
    return geometry;
}

bool X11WindowService::moveResize(WindowId window, QPoint frameTopLeft, QSize clientSize)
{
    std::lock_guard lock(m_mutex);
    Connection *c = connection();
    if (!c)
        return false;
    // North-west gravity: the position is the frame's outer corner, the size the window's own.
    const auto flags
        = xcb_ewmh_moveresize_window_opt_flags_t(XCB_EWMH_MOVERESIZE_WINDOW_X | XCB_EWMH_MOVERESIZE_WINDOW_Y
            | XCB_EWMH_MOVERESIZE_WINDOW_WIDTH | XCB_EWMH_MOVERESIZE_WINDOW_HEIGHT);
    xcb_ewmh_request_moveresize_window(&c->ewmh, c->screen, window, XCB_GRAVITY_NORTH_WEST,
        XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER, flags, uint32_t(frameTopLeft.x()), uint32_t(frameTopLeft.y()),
        uint32_t(clientSize.width()), uint32_t(clientSize.height()));
    return c->flush();
}

bool X11WindowService::activate(WindowId window, quint32 timestamp)
{
    std::lock_guard lock(m_mutex);
    Connection *c = connection();
    if (!c)
        return false;
    // Sent as a tool acting for the user, with the time of the user's request.
    xcb_ewmh_request_change_active_window(
        &c->ewmh, c->screen, window, XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER, timestamp, XCB_NONE);
    return c->flush();
}

bool X11WindowService::close(WindowId window, quint32 timestamp)
{
    std::lock_guard lock(m_mutex);
    Connection *c = connection();
    if (!c)
        return false;
    xcb_ewmh_request_close_window(&c->ewmh, c->screen, window, timestamp, XCB_EWMH_CLIENT_SOURCE_TYPE_OTHER);
    return c->flush();
}

std::optional<quint32> X11WindowService::serverTime()
{
    std::lock_guard lock(m_mutex);
    Connection *c = connection();
    if (!c || c->timeAtom == XCB_NONE)
        return std::nullopt;
    // The time stamp of a property change on our own window is the server's current time.
    xcb_change_property(
        c->xcb, XCB_PROP_MODE_APPEND, c->timeWindow, c->timeAtom, XCB_ATOM_STRING, 8, 0, nullptr);
    if (!c->flush())
        return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
    for (;;) {
        while (xcb_generic_event_t *raw = xcb_poll_for_event(c->xcb)) {
            Reply<xcb_generic_event_t> event(raw);
            if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
                continue;
            const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event.get());
            if (notify->window == c->timeWindow && notify->atom == c->timeAtom)
                return notify->time;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(c->xcb))
            return std::nullopt;
        pollfd descriptor { xcb_get_file_descriptor(c->xcb), POLLIN, 0 };
        ::poll(&descriptor, 1, int(left.count()));
    }
}
