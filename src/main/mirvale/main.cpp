#include "support/Log.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mirvale"));
    QApplication::setQuitOnLastWindowClosed(false);

    Log log(Log::defaultLibraryFolder());
    log.info(QStringLiteral("Mirvale starting"));
    return app.exec();
}
