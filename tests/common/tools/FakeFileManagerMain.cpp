// mirvale_fake_file_manager [--silent] LOGFILE
// Owns org.freedesktop.FileManager1 on the session bus and appends each call to LOGFILE as
// one line ("1733600000123 ShowFolders file:///...": milliseconds since the epoch, the call
// and its URI), for tests that run Mirvale as a separate process and time it. With --silent
// it records calls but never answers them, like a hung file manager.
// Prints "ready" on standard output once it owns the name; ends on SIGTERM.
#include "common/FakeFileManager.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    const bool silent = arguments.removeAll(QStringLiteral("--silent")) > 0;
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: mirvale_fake_file_manager [--silent] LOGFILE\n");
        return 2;
    }
    const QString logPath = arguments.at(1);
    FakeFileManager fileManager([logPath](const QString &line) {
        QFile log(logPath);
        if (log.open(QIODevice::Append | QIODevice::Text))
            log.write(QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + ' ' + line.toUtf8() + '\n');
    });
    fileManager.setSilent(silent);
    if (!fileManager.isRegistered()) {
        std::fprintf(stderr, "mirvale_fake_file_manager: could not own org.freedesktop.FileManager1\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
