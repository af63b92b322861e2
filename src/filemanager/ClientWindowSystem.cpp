#include "filemanager/ClientWindowSystem.h"

#include <algorithm>

namespace ClientWindowSystem {

namespace {

    /// The first choice of a list such as GDK_BACKEND ("x11,wayland") or QT_QPA_PLATFORM ("wayland;xcb").
    QString firstChoice(const QHash<QString, QString> &environment, const char *name, QChar separator)
    {
        return environment.value(QLatin1String(name)).section(separator, 0, 0).trimmed().toLower();
    }

    bool loads(const QStringList &libraries, std::initializer_list<const char *> prefixes)
    {
        return std::any_of(libraries.cbegin(), libraries.cend(), [&](const QString &library) {
            return std::any_of(prefixes.begin(), prefixes.end(),
                [&](const char *prefix) { return library.startsWith(QLatin1String(prefix)); });
        });
    }

    /// Qt without QT_QPA_PLATFORM: Wayland only in a Wayland session, and not under GNOME, where
    /// Qt 5 and Qt 6.4 ignore XDG_SESSION_TYPE and take XWayland.
    Kind qtDefault(const QHash<QString, QString> &environment)
    {
        if (environment.value(QStringLiteral("XDG_SESSION_TYPE")) != QLatin1String("wayland"))
            return Kind::X11;
        for (const char *desktop : { "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP" }) {
            if (environment.value(QLatin1String(desktop))
                    .contains(QLatin1String("gnome"), Qt::CaseInsensitive))
                return Kind::X11;
        }
        return Kind::Wayland;
    }

} // namespace

Kind of(const QHash<QString, QString> &environment, const QStringList &libraries)
{
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    const bool x11 = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    if (!wayland)
        return x11 ? Kind::X11 : Kind::Unknown;
    if (!x11)
        return Kind::Wayland;
    const QString gdk = firstChoice(environment, "GDK_BACKEND", QLatin1Char(','));
    const QString qt = firstChoice(environment, "QT_QPA_PLATFORM", QLatin1Char(';'));
    if (loads(libraries, { "libgtk-3.", "libgtk-4." }))
        return gdk.isEmpty() || gdk == QLatin1String("*") || gdk == QLatin1String("wayland") ? Kind::Wayland
            : gdk == QLatin1String("x11")                                                    ? Kind::X11
                                                                                             : Kind::Unknown;
    if (loads(libraries, { "libQt5Gui.", "libQt6Gui." }))
        return qt.isEmpty()                           ? qtDefault(environment)
            : qt.startsWith(QLatin1String("wayland")) ? Kind::Wayland
            : qt.startsWith(QLatin1String("xcb"))     ? Kind::X11
                                                      : Kind::Unknown;
    // Toolkit unknown: Wayland unless the environment forces X11 on either toolkit.
    return gdk == QLatin1String("x11") || qt.startsWith(QLatin1String("xcb")) ? Kind::X11 : Kind::Wayland;
}

} // namespace ClientWindowSystem
