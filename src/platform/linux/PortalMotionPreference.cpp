#include "platform/linux/PortalMotionPreference.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kNamespace = QStringLiteral("org.gnome.desktop.interface");
const QString kKey = QStringLiteral("enable-animations");

/// The older Read wraps the value in one more variant than ReadOne does.
QVariant unwrapped(QVariant value)
{
    while (value.userType() == qMetaTypeId<QDBusVariant>())
        value = qvariant_cast<QDBusVariant>(value).variant();
    return value;
}

} // namespace

PortalMotionPreference::PortalMotionPreference(QDBusConnection bus, QString service, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_service(std::move(service))
{
}

void PortalMotionPreference::start()
{
    if (!m_bus.isConnected())
        return;
    m_bus.connect(m_service, kPath, kInterface, QStringLiteral("SettingChanged"), this,
        SLOT(onSettingChanged(QDBusMessage)));
    read(QStringLiteral("ReadOne"));
}

void PortalMotionPreference::read(const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(m_service, kPath, kInterface, method);
    call.setArguments({ kNamespace, kKey });
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
        [this, method](QDBusPendingCallWatcher *finished) { readFinished(finished, method); });
}

void PortalMotionPreference::readFinished(QDBusPendingCallWatcher *watcher, const QString &method)
{
    watcher->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *watcher;
    if (reply.isError()) {
        // Portals before version 2 have only the older Read.
        if (method == QStringLiteral("ReadOne") && reply.error().type() == QDBusError::UnknownMethod)
            read(QStringLiteral("Read"));
        return;
    }
    if (m_heardChange)
        return;
    apply(reply.value().variant());
}

void PortalMotionPreference::onSettingChanged(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 3 || arguments.at(0).toString() != kNamespace
        || arguments.at(1).toString() != kKey)
        return;
    m_heardChange = true;
    apply(arguments.at(2));
}

void PortalMotionPreference::apply(const QVariant &value)
{
    const QVariant setting = unwrapped(value);
    if (setting.typeId() != QMetaType::Bool)
        return;
    const bool reduced = !setting.toBool();
    if (reduced == m_reduced)
        return;
    m_reduced = reduced;
    emit changed();
}
