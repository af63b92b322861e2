#include "common/FakeWindowService.h"

void FakeWindowService::setUnavailable(const QString &reason)
{
    std::lock_guard lock(m_mutex);
    m_unavailable = reason;
}

void FakeWindowService::addWindow(WindowId id, const Window &window, bool activate)
{
    std::lock_guard lock(m_mutex);
    m_order.append(id);
    m_windows.insert(id, window);
    if (activate)
        m_active = id;
}

void FakeWindowService::addWindowAfterReads(WindowId id, const Window &window, int reads, bool activate)
{
    std::lock_guard lock(m_mutex);
    m_pending.append({ id, window, reads, activate });
}

void FakeWindowService::removeWindow(WindowId id)
{
    std::lock_guard lock(m_mutex);
    m_order.removeAll(id);
    m_windows.remove(id);
    if (m_active == id)
        m_active.reset();
}

void FakeWindowService::setActive(std::optional<WindowId> id)
{
    std::lock_guard lock(m_mutex);
    m_active = id;
}

void FakeWindowService::setTitle(WindowId id, const QString &title)
{
    std::lock_guard lock(m_mutex);
    if (const auto it = m_windows.find(id); it != m_windows.end())
        it->title = title;
}

std::optional<QString> FakeWindowService::text(WindowId id, QString Window::*field)
{
    std::lock_guard lock(m_mutex);
    const auto it = m_windows.constFind(id);
    if (m_unavailable || it == m_windows.cend() || ((*it).*field).isEmpty())
        return std::nullopt;
    return (*it).*field;
}

std::optional<QString> FakeWindowService::title(WindowId window)
{
    return text(window, &Window::title);
}

std::optional<QString> FakeWindowService::startupId(WindowId window)
{
    return text(window, &Window::startupId);
}

std::optional<QString> FakeWindowService::windowClass(WindowId window)
{
    return text(window, &Window::windowClass);
}

void FakeWindowService::setIgnoresMoves(bool ignores)
{
    std::lock_guard lock(m_mutex);
    m_ignoresMoves = ignores;
}

void FakeWindowService::setExtentsOnMove(WindowId id, FrameExtents extents)
{
    std::lock_guard lock(m_mutex);
    m_extentsOnMove.insert(id, extents);
}

std::optional<FakeWindowService::Window> FakeWindowService::window(WindowId id) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_windows.constFind(id);
    return it == m_windows.cend() ? std::nullopt : std::optional<Window>(*it);
}

QStringList FakeWindowService::requests() const
{
    std::lock_guard lock(m_mutex);
    return m_requests;
}

int FakeWindowService::clientReads() const
{
    std::lock_guard lock(m_mutex);
    return m_clientReads;
}

std::optional<QString> FakeWindowService::unavailableReason()
{
    std::lock_guard lock(m_mutex);
    return m_unavailable;
}

std::optional<WindowService::Clients> FakeWindowService::clients()
{
    std::lock_guard lock(m_mutex);
    if (m_unavailable)
        return std::nullopt;
    ++m_clientReads;
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (--it->reads > 0) {
            ++it;
            continue;
        }
        m_order.append(it->id);
        m_windows.insert(it->id, it->window);
        if (it->activate)
            m_active = it->id;
        it = m_pending.erase(it);
    }
    return Clients { m_order, m_active };
}

std::optional<qint64> FakeWindowService::processId(WindowId window)
{
    std::lock_guard lock(m_mutex);
    const auto it = m_windows.constFind(window);
    if (m_unavailable || it == m_windows.cend() || it->pid == 0)
        return std::nullopt;
    return it->pid;
}

std::optional<WindowService::Geometry> FakeWindowService::geometry(WindowId window)
{
    std::lock_guard lock(m_mutex);
    const auto it = m_windows.constFind(window);
    if (m_unavailable || it == m_windows.cend())
        return std::nullopt;
    return Geometry { it->client, it->extents };
}

bool FakeWindowService::moveResize(WindowId window, QPoint frameTopLeft, QSize clientSize)
{
    std::lock_guard lock(m_mutex);
    if (m_unavailable)
        return false;
    m_requests.append(QStringLiteral("move %1 %2,%3 %4x%5")
                          .arg(window)
                          .arg(frameTopLeft.x())
                          .arg(frameTopLeft.y())
                          .arg(clientSize.width())
                          .arg(clientSize.height()));
    auto it = m_windows.find(window);
    if (it == m_windows.end() || m_ignoresMoves)
        return true;
    if (const auto extents = m_extentsOnMove.constFind(window); extents != m_extentsOnMove.cend()) {
        it->extents = *extents;
        m_extentsOnMove.erase(extents);
    }
    const FrameExtents extents = it->extents.value_or(FrameExtents {});
    it->client
        = QRect(frameTopLeft + QPoint(std::max(0, extents.left), std::max(0, extents.top)), clientSize);
    return true;
}

bool FakeWindowService::activate(WindowId window, quint32 timestamp)
{
    std::lock_guard lock(m_mutex);
    if (m_unavailable)
        return false;
    m_requests.append(QStringLiteral("activate %1 %2").arg(window).arg(timestamp));
    if (m_windows.contains(window))
        m_active = window;
    return true;
}

bool FakeWindowService::close(WindowId window, quint32 timestamp)
{
    std::lock_guard lock(m_mutex);
    if (m_unavailable)
        return false;
    m_requests.append(QStringLiteral("close %1 %2").arg(window).arg(timestamp));
    m_order.removeAll(window);
    m_windows.remove(window);
    if (m_active == window)
        m_active.reset();
    return true;
}

std::optional<quint32> FakeWindowService::serverTime()
{
    std::lock_guard lock(m_mutex);
    if (m_unavailable)
        return std::nullopt;
    return ++m_time;
}
