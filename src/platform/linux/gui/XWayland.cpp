#include "platform/linux/gui/XWayland.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

bool XWayland::isDisplayServer()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    // Every XWayland names its outputs XWAYLAND0, XWAYLAND1, ...; its XWAYLAND extension
    // came only with Xwayland 23.1.
    const QList<QScreen *> screens = QGuiApplication::screens();
    return !screens.isEmpty() && std::all_of(screens.cbegin(), screens.cend(), [](const QScreen *screen) {
        return screen->name().startsWith(QLatin1String("XWAYLAND"));
    });
}
