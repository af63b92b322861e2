#pragma once

#include "platform/linux/gui/DBusTrayTypes.h"

#include <QDBusObjectPath>
#include <QObject>
#include <QPoint>

#include <functional>

/// The tray icon on the bus (org.kde.StatusNotifierItem): what hosts read to draw it, and the
/// clicks they pass on. The menu is its own object.
class StatusNotifierItemObject final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconThemePath READ iconThemePath)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(DBusTrayImageList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyName)
    Q_PROPERTY(DBusTrayImageList OverlayIconPixmap READ noImages)
    Q_PROPERTY(QString AttentionIconName READ emptyName)
    Q_PROPERTY(DBusTrayImageList AttentionIconPixmap READ noImages)
    Q_PROPERTY(QString AttentionMovieName READ emptyName)
    Q_PROPERTY(DBusTrayToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
public:
    /// `menuRequested` hears where a host asks for the menu to be shown by Mirvale itself.
    StatusNotifierItemObject(QString title, QDBusObjectPath menu, std::function<void(QPoint)> menuRequested,
        QObject *parent = nullptr);

    void setIcon(const QString &themedName, const DBusTrayImageList &images);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("mirvale"); }
    QString title() const { return m_title; }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconThemePath() const { return {}; }
    QString iconName() const { return m_iconName; }
    DBusTrayImageList iconPixmap() const { return m_images; }
    QString emptyName() const { return {}; }
    DBusTrayImageList noImages() const { return {}; }
    DBusTrayToolTip toolTip() const;
    bool itemIsMenu() const { return true; }
    QDBusObjectPath menu() const { return m_menu; }

public Q_SLOTS:
    void ContextMenu(int x, int y);
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void Scroll(int delta, const QString &orientation);

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString &status);

private:
    QString m_title;
    QDBusObjectPath m_menu;
    std::function<void(QPoint)> m_menuRequested;
    QString m_iconName;
    DBusTrayImageList m_images;
};
