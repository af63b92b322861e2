#include "Application.h"

#include "app/CommandLine.h"
#include "app/ControlInterface.h"
#include "app/DisplayPlatform.h"
#include "app/SingleInstance.h"
#include "app/SnapshotOptions.h"
#include "platform/linux/PortalColorScheme.h"
#include "platform/linux/UnixSignalWatcher.h"
#include "platform/linux/XdgStandardFolders.h"
#include "rules/RulesStore.h"
#include "support/Log.h"
#include "support/Translations.h"
#include "ui/Appearance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

/// The desktop's stated preference, else a guess from the palette its platform theme gave.
Appearance::Mode appearanceFor(PortalColorScheme::Preference preference, const QPalette &platformPalette)
{
    switch (preference) {
    case PortalColorScheme::Preference::Dark:
        return Appearance::Mode::Dark;
    case PortalColorScheme::Preference::Light:
        return Appearance::Mode::Light;
    case PortalColorScheme::Preference::NoPreference:
        break;
    }
    return Appearance::forDesktop(platformPalette);
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

/// Answers --help, --version and unknown options before anything starts: no log, no bus
/// name, no window. An exit code, or none when Mirvale should start.
std::optional<int> answerCommandLine(int &argc, char **argv, const QStringList &arguments)
{
    const CommandLine::Outcome outcome = CommandLine::read(arguments);
    if (outcome.action == CommandLine::Action::Start)
        return std::nullopt;
    // Only for the catalogues: the display platform is not chosen yet, and no window comes.
    QCoreApplication app(argc, argv);
    Translations::install(app, QStringLiteral(MIRVALE_TRANSLATIONS_DIR));
    if (outcome.action == CommandLine::Action::Version) {
        print(stdout, CommandLine::version() + QLatin1Char('\n'));
        return 0;
    }
    const XdgStandardFolders folders;
    const QString usage = CommandLine::usage(
        RulesStore::defaultStorageFolder(folders), Log::filePathFor(folders.stateHome()));
    if (outcome.action == CommandLine::Action::Help) {
        print(stdout, usage);
        return 0;
    }
    print(stderr, CommandLine::unknownOption(outcome.option) + QLatin1Char('\n') + usage);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    // Before the application object: that is when Qt picks the display platform.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const std::optional<int> answered = answerCommandLine(argc, argv, arguments))
        return *answered;
    const QByteArray platform
        = DisplayPlatform::platformOverride([](const char *name) { return qgetenv(name); }, arguments);
    // A platform the user chose stays; with no display at all (a server, a test), the
    // offscreen platform still lets the windows be built and drawn.
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);

    QApplication app(argc, argv);
    Translations::install(app, QStringLiteral(MIRVALE_TRANSLATIONS_DIR));
    QApplication::setApplicationName(QStringLiteral("Mirvale"));
    QApplication::setOrganizationName(QStringLiteral("Mirvale"));
    // Desktops match windows and notifications to the desktop file named like the bus name.
    QGuiApplication::setDesktopFileName(ControlInterface::kServiceName);
    // A tray utility: closing a window never ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Light or dark as the desktop prefers; snapshot mode picks its own.
    const QPalette platformPalette = QApplication::palette();
    const auto follow = [&app, platformPalette](PortalColorScheme::Preference preference) {
        Appearance::apply(app, appearanceFor(preference, platformPalette));
    };
    follow(PortalColorScheme::Preference::NoPreference);
    PortalColorScheme colorScheme(QDBusConnection::sessionBus());
    if (!SnapshotOptions::outputPath(QCoreApplication::arguments())) {
        colorScheme.read(follow);
        QObject::connect(&colorScheme, &PortalColorScheme::changed, &app, follow);
    }

    // Termination requests leave the event loop, so everything shuts down in order.
    UnixSignalWatcher terminationSignals({ SIGTERM, SIGINT, SIGHUP });
    QObject::connect(
        &terminationSignals, &UnixSignalWatcher::received, &app, [] { QCoreApplication::quit(); });

    // One Mirvale per session: the name is claimed before any watcher exists. A snapshot
    // runs beside a running Mirvale and claims nothing.
    const bool snapshot = SnapshotOptions::outputPath(QCoreApplication::arguments()).has_value();
    QDBusConnection sessionBus = QDBusConnection::sessionBus();
    const SingleInstance::Claim claim
        = snapshot ? SingleInstance::Claim::Unavailable : SingleInstance::claim(sessionBus);
    if (claim == SingleInstance::Claim::AlreadyRunning) {
        // Opening Mirvale again means: show me the settings.
        SingleInstance::showSettingsInRunningInstance(sessionBus);
        return 0;
    }

    Application delegate;
    if (claim == SingleInstance::Claim::Owned)
        delegate.exportControl(sessionBus);
    QTimer::singleShot(0, &delegate, &Application::start);
    return QApplication::exec();
}
