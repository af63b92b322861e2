#include "common/TestEnvironment.h"

#include <QDir>
#include <QTemporaryDir>

namespace {
QTemporaryDir *temporaryHome = nullptr;
}

void TestEnvironment::isolateHome()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/mirvale-test-home-XXXXXX"));
    temporaryHome = &dir;
    const QByteArray root = dir.path().toUtf8();
    qputenv("HOME", root);
    qputenv("XDG_CONFIG_HOME", root + "/.config");
    qputenv("XDG_STATE_HOME", root + "/.local/state");
    qputenv("XDG_DATA_HOME", root + "/.local/share");
    qputenv("XDG_CACHE_HOME", root + "/.cache");
}

QString TestEnvironment::home()
{
    return temporaryHome ? temporaryHome->path() : QString();
}
