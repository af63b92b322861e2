#include "AppDelegate.h"

#include "app/DisplayPlatform.h"
#include "app/SingleInstance.h"
#include "platform/linux/UnixSignalWatcher.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

int main(int argc, char *argv[])
{
    // Before the application object: that is when Qt picks the display platform.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QByteArray platform
        = DisplayPlatform::platformOverride([](const char *name) { return qgetenv(name); }, arguments);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirvale"));
    QApplication::setOrganizationName(QStringLiteral("Mirvale"));
    // A tray utility: closing a window never ends it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Termination requests leave the event loop, so everything shuts down in order.
    UnixSignalWatcher terminationSignals({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&terminationSignals, &UnixSignalWatcher::received, &app, [] { QCoreApplication::quit(); });

    // One Mirvale per session: the name is claimed before any watcher exists.
    QDBusConnection sessionBus = QDBusConnection::sessionBus();
    const SingleInstance::Claim claim = SingleInstance::claim(sessionBus);
    if (claim == SingleInstance::Claim::AlreadyRunning) {
        // Opening Mirvale again means: show me the settings.
        SingleInstance::showSettingsInRunningInstance(sessionBus);
        return 0;
    }

    AppDelegate delegate;
    if (claim == SingleInstance::Claim::Owned)
        delegate.exportControl(sessionBus);
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
