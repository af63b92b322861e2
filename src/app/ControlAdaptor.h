#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QVariantMap>

class ControlInterface;

/// The io.github.mirvale.Mirvale1 interface on the bus, forwarding to a ControlInterface.
/// Slot and signal names are the D-Bus member names.
class ControlAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "io.github.mirvale.Mirvale1")
    Q_PROPERTY(bool Paused READ paused)
public:
    ControlAdaptor(ControlInterface &control, QDBusConnection connection);

    bool paused() const;

public Q_SLOTS:
    QList<QVariantMap> ListCards(const QDBusMessage &message);
    void OpenCard(const QString &card, const QDBusMessage &message);
    void Eject(const QString &card, const QDBusMessage &message);
    void TogglePause(const QDBusMessage &message);
    void SetPaused(bool paused, const QDBusMessage &message);
    void ShowSettings(bool revealExtras);
    QString GetSetting(const QString &key, const QDBusMessage &message);
    void SetSetting(const QString &key, const QString &value, const QDBusMessage &message);

Q_SIGNALS:
    void CardsChanged();

private:
    void announcePaused(bool paused);

    ControlInterface &m_control;
    QDBusConnection m_connection;
};
