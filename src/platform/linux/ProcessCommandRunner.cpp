#include "platform/linux/ProcessCommandRunner.h"

#include <QProcess>

CommandRunner::Result ProcessCommandRunner::run(const QString &program, const QStringList &arguments)
{
    Result result;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1)) {
        result.startError = process.errorString();
        return result;
    }
    result.started = true;
    process.waitForFinished(-1);
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitStatus = process.exitCode();
    // Enough to explain a refusal; a runaway writer cannot fill the log.
    result.standardError = QString::fromLocal8Bit(process.readAllStandardError().left(2048)).trimmed();
    return result;
}
