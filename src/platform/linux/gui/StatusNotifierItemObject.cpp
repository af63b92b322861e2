#include "platform/linux/gui/StatusNotifierItemObject.h"

#include <QTimer>

StatusNotifierItemObject::StatusNotifierItemObject(
    QString title, QDBusObjectPath menu, std::function<void(QPoint)> menuRequested, QObject *parent)
    : QObject(parent)
    , m_title(std::move(title))
    , m_menu(std::move(menu))
    , m_menuRequested(std::move(menuRequested))
{
    registerDBusTrayTypes();
}

void StatusNotifierItemObject::setIcon(const QString &themedName, const DBusTrayImageList &images)
{
    m_iconName = themedName;
    m_images = images;
    emit NewIcon();
}

DBusTrayToolTip StatusNotifierItemObject::toolTip() const
{
    return { QString(), {}, m_title, QString() };
}

void StatusNotifierItemObject::ContextMenu(int x, int y)
{
    // Shown after the reply has gone: the host's call is not held while the menu is open.
    QTimer::singleShot(0, this, [this, x, y] {
        if (m_menuRequested)
            m_menuRequested(QPoint(x, y));
    });
}

void StatusNotifierItemObject::Activate(int x, int y)
{
    ContextMenu(x, y);
}

void StatusNotifierItemObject::SecondaryActivate(int x, int y)
{
    Q_UNUSED(x);
    Q_UNUSED(y);
}

void StatusNotifierItemObject::Scroll(int delta, const QString &orientation)
{
    Q_UNUSED(delta);
    Q_UNUSED(orientation);
}
