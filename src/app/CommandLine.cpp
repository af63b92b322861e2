#include "app/CommandLine.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

// Qt's options that take a value, and those that do not (QGuiApplication and QApplication
// take both "-name" and "--name", and "-name=value" for the former).
constexpr const char *kQtOptionsWithValue[] = { "platform", "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "display", "name", "style",
    "stylesheet", "session", "qmljsdebugger", "visual", "ncols", "im" };
constexpr const char *kQtFlags[] = { "reverse", "widgetcount", "nograb", "dograb", "sync", "cmap" };

bool contains(const char *const *begin, const char *const *end, const QString &name)
{
    return std::any_of(begin, end, [&name](const char *known) { return name == QLatin1String(known); });
}

} // namespace

CommandLine::Outcome CommandLine::read(const QStringList &arguments)
{
    // The snapshot reads "light" wherever it stands.
    const bool snapshot = arguments.contains(QStringLiteral("--snapshot-settings"));
    for (qsizetype index = 1; index < arguments.size(); ++index) {
        const QString &argument = arguments.at(index);
        if (snapshot && argument == QLatin1String("light"))
            continue;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return { Action::Help, {} };
        if (argument == QLatin1String("--version"))
            return { Action::Version, {} };
        if (argument == QLatin1String("--snapshot-settings")) {
            ++index; // the file
            continue;
        }
        if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-"))
            return { Action::UnknownOption, argument };
        QString name = argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const bool hasValue = equals >= 0;
        if (hasValue)
            name.truncate(equals);
        if (contains(std::begin(kQtOptionsWithValue), std::end(kQtOptionsWithValue), name)) {
            if (!hasValue)
                ++index;
            continue;
        }
        if (!hasValue && contains(std::begin(kQtFlags), std::end(kQtFlags), name))
            continue;
        return { Action::UnknownOption, argument };
    }
    return {};
}

QString CommandLine::usage(const QString &rulesFolder, const QString &logFile)
{
    return QCoreApplication::translate("CommandLine",
        "Usage: mirvale [OPTION...]\n"
        "Waits for camera cards and shows each one's pictures in the file manager.\n"
        "\n"
        "Options:\n"
        "  -h, --help                        show this summary and exit\n"
        "  --version                         show the version and exit\n"
        "  --snapshot-settings FILE [light]  draw the settings window into FILE (PNG) and exit\n"
        "\n"
        "Qt's own options are accepted too: -platform NAME, -display DISPLAY, -style STYLE, "
        "-session ID and the others Qt documents.\n"
        "\n"
        "Rules and settings: %1\n"
        "Log: %2\n")
        .arg(rulesFolder, logFile);
}

QString CommandLine::version()
{
    return QStringLiteral("mirvale ") + QStringLiteral(MIRVALE_VERSION);
}

QString CommandLine::unknownOption(const QString &option)
{
    return QCoreApplication::translate("CommandLine", "mirvale: unknown option %1").arg(option);
}
