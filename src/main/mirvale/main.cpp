#include "AppDelegate.h"

#include "app/SnapshotOptions.h"
#include "platform/linux/PortalColorScheme.h"
#include "platform/linux/UnixSignalWatcher.h"
#include "ui/Appearance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QTimer>

#include <csignal>

int main(int argc, char *argv[])
{
    // With no display at all (a server, a test), the offscreen platform still lets the
    // windows be built and drawn; a platform the user chose stays.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirvale"));
    QApplication::setOrganizationName(QStringLiteral("Mirvale"));
    // A tray utility: closing a window never ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Light or dark as the desktop prefers; snapshot mode picks its own.
    const QPalette platformPalette = QApplication::palette();
    const auto follow = [&app, platformPalette](PortalColorScheme::Preference preference) {
        Appearance::apply(app, preference == PortalColorScheme::Preference::Dark    ? Appearance::Mode::Dark
                               : preference == PortalColorScheme::Preference::Light ? Appearance::Mode::Light
                                                                                    : Appearance::forDesktop(platformPalette));
    };
    follow(PortalColorScheme::Preference::NoPreference);
    PortalColorScheme colorScheme(QDBusConnection::sessionBus());
    if (!SnapshotOptions::outputPath(QCoreApplication::arguments())) {
        colorScheme.read(follow);
        QObject::connect(&colorScheme, &PortalColorScheme::changed, &app, follow);
    }

    // Termination requests leave the event loop, so everything shuts down in order.
    UnixSignalWatcher terminationSignals({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&terminationSignals, &UnixSignalWatcher::received, &app, [] { QCoreApplication::quit(); });

    AppDelegate delegate;
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
