#include "ui/AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *roleFactory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("SettingsWindow"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("NotificationPanel")) {
        const bool problem = widget->property("isProblem").toBool();
        return new QAccessibleWidget(widget, problem ? QAccessible::AlertMessage : QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

void AccessibleRoles::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
