#pragma once

#include "platform/MotionPreference.h"

#include <QDBusConnection>
#include <QObject>

class QDBusMessage;
class QDBusPendingCallWatcher;

/// The desktop's "animations off" switch (org.gnome.desktop.interface enable-animations),
/// read through the XDG desktop portal's settings and followed as it changes. Without a
/// portal, or before it answers, motion is allowed.
class PortalMotionPreference final : public QObject, public MotionPreference {
    Q_OBJECT
public:
    static constexpr const char *kService = "org.freedesktop.portal.Desktop";

    explicit PortalMotionPreference(
        QDBusConnection bus, QString service = QString::fromLatin1(kService), QObject *parent = nullptr);

    /// Asks the portal once and subscribes to changes; never waits.
    void start();

    bool prefersReducedMotion() const override { return m_reduced; }

signals:
    /// The answer changed.
    void changed();

private Q_SLOTS:
    // Qt's D-Bus signal hook-up takes a slot signature; there is no member-pointer form.
    void onSettingChanged(const QDBusMessage &message);

private:
    void read(const QString &method);
    void readFinished(QDBusPendingCallWatcher *watcher, const QString &method);
    void apply(const QVariant &value);

    QDBusConnection m_bus;
    QString m_service;
    bool m_reduced = false;
    // A change signal that arrived first outranks a slower first reading.
    bool m_heardChange = false;
};
