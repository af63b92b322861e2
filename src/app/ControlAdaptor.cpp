#include "app/ControlAdaptor.h"

#include "app/ControlInterface.h"

#include <QDBusMetaType>
#include <QPointer>

ControlAdaptor::ControlAdaptor(ControlInterface &control, QDBusConnection connection)
    : QDBusAbstractAdaptor(&control)
    , m_control(control)
    , m_connection(std::move(connection))
{
    qDBusRegisterMetaType<QList<QVariantMap>>();
    connect(&control, &ControlInterface::cardsChanged, this, &ControlAdaptor::CardsChanged);
    connect(&control, &ControlInterface::pausedChanged, this, &ControlAdaptor::announcePaused);
}

bool ControlAdaptor::paused() const
{
    return m_control.paused();
}

QList<QVariantMap> ControlAdaptor::ListCards(const QDBusMessage &message)
{
    // Answered once the free space is fresh, as the menu shows it when it opens.
    message.setDelayedReply(true);
    m_control.listFreshCards([connection = m_connection, message](const QList<QVariantMap> &cards) {
        QDBusConnection bus = connection;
        bus.send(message.createReply(QVariant::fromValue(cards)));
    });
    return {};
}

namespace {

/// Answers a call whose reply was delayed, unless the connection is gone.
ControlInterface::Reply replyTo(const QDBusConnection &connection, const QDBusMessage &message)
{
    message.setDelayedReply(true);
    return [connection, message](const std::optional<ControlInterface::Error> &error) {
        QDBusConnection bus = connection;
        bus.send(error ? message.createErrorReply(error->name, error->message) : message.createReply());
    };
}

} // namespace

void ControlAdaptor::OpenCard(const QString &card, const QDBusMessage &message)
{
    m_control.openCard(card, replyTo(m_connection, message));
}

void ControlAdaptor::Eject(const QString &card, const QDBusMessage &message)
{
    m_control.eject(card, replyTo(m_connection, message));
}

void ControlAdaptor::TogglePause(const QDBusMessage &message)
{
    m_control.togglePause(replyTo(m_connection, message));
}

void ControlAdaptor::SetPaused(bool paused, const QDBusMessage &message)
{
    m_control.setPaused(paused, replyTo(m_connection, message));
}

void ControlAdaptor::ShowSettings(bool revealExtras)
{
    m_control.showSettings(revealExtras);
}

QString ControlAdaptor::GetSetting(const QString &key, const QDBusMessage &message)
{
    std::optional<ControlInterface::Error> error;
    const QString value = m_control.setting(key, error);
    if (error) {
        message.setDelayedReply(true);
        m_connection.send(message.createErrorReply(error->name, error->message));
    }
    return value;
}

void ControlAdaptor::SetSetting(const QString &key, const QString &value, const QDBusMessage &message)
{
    m_control.setSetting(key, value, replyTo(m_connection, message));
}

void ControlAdaptor::announcePaused(bool paused)
{
    QDBusMessage signal = QDBusMessage::createSignal(ControlInterface::kObjectPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << ControlInterface::kInterfaceName << QVariantMap { { QStringLiteral("Paused"), paused } }
           << QStringList();
    m_connection.send(signal);
}
