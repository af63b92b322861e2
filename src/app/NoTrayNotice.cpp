#include "app/NoTrayNotice.h"

#include "platform/DesktopNotifications.h"
#include "platform/StateStore.h"
#include "support/Logger.h"

#include <QCoreApplication>

NoTrayNotice::NoTrayNotice(Services services)
    : m_services(services)
{
}

void NoTrayNotice::tell(std::function<void()> showWindow)
{
    const QString key = QString::fromLatin1(kToldKey);
    if (m_asking || m_services.state->value(key).toBool())
        return;
    m_asking = true;
    const QPointer<NoTrayNotice> alive(this);
    m_services.desktop->capabilities([this, alive, key, showWindow = std::move(showWindow)](
                                         const std::optional<QStringList> &capabilities) {
        if (!alive)
            return;
        m_asking = false;
        m_services.state->setValue(key, true);
        if (!capabilities) {
            m_services.log->info(QStringLiteral("No tray: told in a window (no notification server)"));
            showWindow();
            return;
        }
        DesktopNotifications::Notification notification;
        notification.summary = QStringLiteral("Mirvale");
        notification.body = QCoreApplication::translate("NoTrayNotice",
            "Mirvale is running without a tray icon: open it from the applications menu to change its "
            "settings");
        notification.iconName = QStringLiteral("mirvale-tray-symbolic");
        Logger *log = m_services.log;
        m_services.desktop->notify(
            notification, [log, showWindow](std::optional<uint> id, const QString &error) {
                if (id) {
                    log->info(QStringLiteral("No tray: told through the desktop's notifications"));
                    return;
                }
                log->info(QStringLiteral("No tray: told in a window (") + error + QLatin1Char(')'));
                showWindow();
            });
    });
}
