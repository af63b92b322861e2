#pragma once

#include <QString>
#include <QStringList>

/// Mirvale's command line, read before anything starts: --help and --version answer and
/// exit, an unknown option is an error, and Qt's own options (-platform, -style, -display,
/// the -session a session manager passes, ...) and --snapshot-settings FILE [light] pass.
namespace CommandLine {

enum class Action { Start, Help, Version, UnknownOption };

struct Outcome {
    Action action = Action::Start;
    /// The option that was not understood, for UnknownOption.
    QString option;
};

/// `arguments` includes the program path.
Outcome read(const QStringList &arguments);

/// The usage summary; `rulesFolder` and `logFile` say where those live for this user.
QString usage(const QString &rulesFolder, const QString &logFile);
/// "mirvale VERSION".
QString version();
/// The one line an unknown option gets before the usage.
QString unknownOption(const QString &option);

} // namespace CommandLine
