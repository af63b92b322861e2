#include "platform/linux/PortalColorScheme.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QTimer>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");
// A portal that is slow to start must not keep the appearance waiting long.
constexpr int kTimeoutMs = 2000;

} // namespace

PortalColorScheme::PortalColorScheme(QDBusConnection bus, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
    if (m_bus.isConnected()) {
        m_bus.connect(kService, kPath, kInterface, QStringLiteral("SettingChanged"), this,
            SLOT(onSettingChanged(QDBusMessage)));
    }
}

void PortalColorScheme::read(std::function<void(Preference)> answer)
{
    if (!m_bus.isConnected()) {
        QTimer::singleShot(0, this, [answer] { answer(Preference::NoPreference); });
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Read"));
    call << kGroup << kKey;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [answer](QDBusPendingCallWatcher *finished) {
        finished->deleteLater();
        const QDBusPendingReply<QVariant> reply = *finished;
        answer(reply.isError() ? Preference::NoPreference : fromValue(reply.value()));
    });
}

PortalColorScheme::Preference PortalColorScheme::fromValue(QVariant value)
{
    // Read() wraps the value in one variant more than the setting itself has.
    while (value.canConvert<QDBusVariant>() && value.metaType() == QMetaType::fromType<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    if (!ok)
        return Preference::NoPreference;
    return scheme == 1 ? Preference::Dark : scheme == 2 ? Preference::Light : Preference::NoPreference;
}

void PortalColorScheme::onSettingChanged(const QDBusMessage &message)
{
    const QVariantList arguments = message.arguments();
    if (arguments.size() == 3 && arguments.at(0).toString() == kGroup && arguments.at(1).toString() == kKey)
        emit changed(fromValue(arguments.at(2)));
}
