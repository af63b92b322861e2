#include "AppDelegate.h"

#include "app/DisplayPlatform.h"
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

    AppDelegate delegate;
    QTimer::singleShot(0, &delegate, &AppDelegate::applicationDidFinishLaunching);
    return QApplication::exec();
}
