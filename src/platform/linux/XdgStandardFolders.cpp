#include "platform/linux/XdgStandardFolders.h"

#include <QDir>

namespace {

QString baseDirectory(const char *variable, const QString &fallbackUnderHome)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::homePath() + fallbackUnderHome;
}

} // namespace

QString XdgStandardFolders::configHome() const
{
    return baseDirectory("XDG_CONFIG_HOME", QStringLiteral("/.config"));
}

QString XdgStandardFolders::stateHome() const
{
    return baseDirectory("XDG_STATE_HOME", QStringLiteral("/.local/state"));
}
