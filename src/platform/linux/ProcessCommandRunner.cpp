#include "platform/linux/ProcessCommandRunner.h"

#include <QDeadlineTimer>
#include <QProcess>

namespace {

// How often a running command is asked whether it should be cut off.
constexpr int kPollMilliseconds = 50;
// A killed command stuck in the kernel is not waited for longer than this.
constexpr int kKillGraceMilliseconds = 500;

} // namespace

CommandRunner::Result ProcessCommandRunner::run(
    const QString &program, const QStringList &arguments, const Limits &limits)
{
    Result result;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(-1)) {
        result.startError = process.errorString();
        return result;
    }
    result.started = true;
    const QDeadlineTimer deadline(limits.timeLimit);
    while (!process.waitForFinished(kPollMilliseconds)) {
        if (process.state() == QProcess::NotRunning)
            break;
        result.cutOff = limits.cutOff && limits.cutOff();
        result.timedOut = !result.cutOff && deadline.hasExpired();
        if (result.cutOff || result.timedOut) {
            process.kill();
            if (!process.waitForFinished(kKillGraceMilliseconds))
                process.setParent(nullptr); // the destructor still reaps what it can
            return result;
        }
    }
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitStatus = process.exitCode();
    // Enough to explain a refusal; a runaway writer cannot fill the log.
    result.standardError = QString::fromLocal8Bit(process.readAllStandardError().left(2048)).trimmed();
    result.standardOutput = QString::fromLocal8Bit(process.readAllStandardOutput().left(65536));
    return result;
}
