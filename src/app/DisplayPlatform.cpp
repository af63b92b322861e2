#include "app/DisplayPlatform.h"

QByteArray DisplayPlatform::platformOverride(const Environment &environment, const QStringList &arguments)
{
    const auto isSet = [&environment](const char *name) { return !environment(name).trimmed().isEmpty(); };
    if (isSet("QT_QPA_PLATFORM"))
        return {};
    // Qt reads "-platform NAME" (and "--platform", "-platform=NAME") from the command line too.
    for (const QString &argument : arguments) {
        if (argument == QStringLiteral("-platform") || argument == QStringLiteral("--platform")
            || argument.startsWith(QStringLiteral("-platform="))
            || argument.startsWith(QStringLiteral("--platform=")))
            return {};
    }
    QByteArray platforms;
    if (isSet("DISPLAY"))
        platforms += "xcb;";
    if (isSet("WAYLAND_DISPLAY"))
        platforms += "wayland;";
    return platforms + "offscreen";
}
