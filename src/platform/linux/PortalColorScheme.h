#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariant>

#include <functional>

/// The desktop's light or dark preference, read from the XDG desktop portal's settings
/// ("org.freedesktop.appearance" "color-scheme") on the session bus, and followed as it
/// changes. Desktops without the portal answer "no preference".
class PortalColorScheme : public QObject {
    Q_OBJECT
public:
    enum class Preference { NoPreference, Dark, Light };

    explicit PortalColorScheme(QDBusConnection bus, QObject *parent = nullptr);

    /// Asks once, without waiting; `answer` runs on the main thread, NoPreference on any error.
    void read(std::function<void(Preference)> answer);

    /// The portal's value (1 dark, 2 light, else none), unwrapped from its variants.
    static Preference fromValue(QVariant value);

signals:
    void changed(PortalColorScheme::Preference preference);

private Q_SLOTS:
    // A slot by name: QDBusConnection::connect offers no pointer-to-member form.
    void onSettingChanged(const QDBusMessage &message);

private:
    QDBusConnection m_bus;
};
