#include "platform/linux/gui/DBusMenuObject.h"

#include <QGuiApplication>
#include <QTimer>

namespace {

QVariantMap entryProperties(const TrayMenuEntry &entry)
{
    QVariantMap properties;
    if (entry.isSeparator) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        return properties;
    }
    properties.insert(QStringLiteral("label"), entry.label);
    properties.insert(QStringLiteral("enabled"), entry.enabled);
    properties.insert(QStringLiteral("visible"), true);
    if (entry.checkable) {
        properties.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
        properties.insert(QStringLiteral("toggle-state"), entry.checked ? 1 : 0);
    }
    if (!entry.shortcut.isEmpty())
        properties.insert(
            QStringLiteral("shortcut"), QVariant::fromValue(DBusMenuShortcut { entry.shortcut }));
    return properties;
}

QVariantMap only(const QVariantMap &properties, const QStringList &names)
{
    if (names.isEmpty())
        return properties;
    QVariantMap chosen;
    for (const QString &name : names) {
        if (properties.contains(name))
            chosen.insert(name, properties.value(name));
    }
    return chosen;
}

} // namespace

DBusMenuObject::DBusMenuObject(std::function<void(int id)> clicked, QObject *parent)
    : QObject(parent)
    , m_clicked(std::move(clicked))
{
    registerDBusTrayTypes();
}

QString DBusMenuObject::textDirection() const
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl")
                                                                 : QStringLiteral("ltr");
}

void DBusMenuObject::setLayout(const QList<TrayMenuEntry> &entries)
{
    m_entries = entries;
    ++m_revision;
    emit LayoutUpdated(m_revision, 0);
}

void DBusMenuObject::updateEntries(const QList<TrayMenuEntry> &entries, const QList<int> &changedIds)
{
    m_entries = entries;
    DBusMenuItemPropertiesList updated;
    DBusMenuItemKeysList removed;
    for (const TrayMenuEntry &entry : entries) {
        if (!changedIds.contains(entry.id))
            continue;
        const QVariantMap properties = entryProperties(entry);
        updated.append({ entry.id, properties });
        // A tick box or shortcut that went away is said to be gone, not left as it was.
        QStringList gone;
        for (const QString &name :
            { QStringLiteral("toggle-type"), QStringLiteral("toggle-state"), QStringLiteral("shortcut") }) {
            if (!properties.contains(name))
                gone.append(name);
        }
        if (!gone.isEmpty() && !entry.isSeparator)
            removed.append({ entry.id, gone });
    }
    if (!updated.isEmpty())
        emit ItemsPropertiesUpdated(updated, removed);
}

bool DBusMenuObject::has(int id) const
{
    if (id == 0)
        return true;
    for (const TrayMenuEntry &entry : m_entries) {
        if (entry.id == id)
            return true;
    }
    return false;
}

QVariantMap DBusMenuObject::propertiesOf(int id, const QStringList &names) const
{
    if (id == 0)
        return only({ { QStringLiteral("children-display"), QStringLiteral("submenu") } }, names);
    for (const TrayMenuEntry &entry : m_entries) {
        if (entry.id == id)
            return only(entryProperties(entry), names);
    }
    return {};
}

uint DBusMenuObject::GetLayout(
    int parentId, int recursionDepth, const QStringList &propertyNames, DBusMenuLayoutItem &layout)
{
    layout = {};
    layout.id = has(parentId) ? parentId : 0;
    layout.properties = propertiesOf(layout.id, propertyNames);
    if (layout.id == 0 && recursionDepth != 0) {
        for (const TrayMenuEntry &entry : m_entries)
            layout.children.append({ entry.id, only(entryProperties(entry), propertyNames), {} });
    }
    return m_revision;
}

DBusMenuItemPropertiesList DBusMenuObject::GetGroupProperties(
    const QList<int> &ids, const QStringList &propertyNames)
{
    DBusMenuItemPropertiesList answer;
    if (ids.isEmpty()) {
        for (const TrayMenuEntry &entry : m_entries)
            answer.append({ entry.id, only(entryProperties(entry), propertyNames) });
        return answer;
    }
    for (int id : ids) {
        if (has(id))
            answer.append({ id, propertiesOf(id, propertyNames) });
    }
    return answer;
}

QDBusVariant DBusMenuObject::GetProperty(int id, const QString &name)
{
    return QDBusVariant(propertiesOf(id, {}).value(name));
}

void DBusMenuObject::Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp)
{
    Q_UNUSED(data);
    Q_UNUSED(timestamp);
    if (eventId != QLatin1String("clicked") || id == 0 || !has(id))
        return;
    // Acted on after the reply has gone, so that an alert cannot hold the host's call.
    QTimer::singleShot(0, this, [this, id] {
        if (m_clicked)
            m_clicked(id);
    });
}

QList<int> DBusMenuObject::EventGroup(const DBusMenuEventList &events)
{
    QList<int> idErrors;
    for (const DBusMenuEvent &event : events) {
        if (!has(event.id))
            idErrors.append(event.id);
        else
            Event(event.id, event.eventId, event.data, event.timestamp);
    }
    return idErrors;
}

bool DBusMenuObject::AboutToShow(int id)
{
    Q_UNUSED(id);
    // The menu is rebuilt when what it shows changes, so it is current already.
    return false;
}

QList<int> DBusMenuObject::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    for (int id : ids) {
        if (!has(id))
            idErrors.append(id);
    }
    return {};
}
