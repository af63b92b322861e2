#include "ui/AccessibleRoles.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QWidget>

namespace {

/// A menu button read by its own name, with its choice as its value. Qt names a menu by its
/// current choice on Linux, so that "Folder" would be read as "Photos (DCIM)".
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == combo()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList { showMenuAction() } + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &actionName) override
    {
        if (actionName == showMenuAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *roleFactory(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("WheelSafeComboBox"))
        return new NamedComboBox(static_cast<QComboBox *>(widget));
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
