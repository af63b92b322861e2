#include "AppDelegate.h"

#include "platform/linux/UnixSignalWatcher.h"

#include <QApplication>
#include <QTimer>

#include <csignal>

int main(int argc, char *argv[])
{
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
