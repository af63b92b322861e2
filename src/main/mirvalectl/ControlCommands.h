#pragma once

#include <QDBusConnection>
#include <QStringList>

#include <cstdio>

/// mirvalectl's commands that talk to the running Mirvale over the session bus: cards, open,
/// eject, pause, resume, settings.
namespace ControlCommands {

enum ExitCode { Success = 0, Refused = 1, Usage = 2, NotRunning = 4 };

/// The usage lines for these commands, for mirvalectl's help.
QString usage();
bool handles(const QString &command);
/// Runs `command` with `arguments` against the Mirvale on the session bus.
int run(const QString &command, const QStringList &arguments, std::FILE *out, std::FILE *err);
/// The same on a given connection.
int run(QDBusConnection connection, const QString &command, const QStringList &arguments, std::FILE *out,
    std::FILE *err);

} // namespace ControlCommands
