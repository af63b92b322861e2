#pragma once

#include <QString>
#include <QStringList>

/// Runs a system command and waits for it: the fallback for mounting and unmounting when the
/// disk service refuses. The program gets an argument list, never a shell line.
class CommandRunner {
public:
    struct Result {
        bool started = false; ///< false: the program could not be run at all
        QString startError; ///< why it could not be run
        bool crashed = false; ///< ended by a signal
        int exitStatus = -1; ///< the exit status when it ended normally
        QString standardError; ///< what it wrote to standard error, trimmed
    };

    virtual ~CommandRunner() = default;

    /// Runs `program` (looked up on PATH) with `arguments` and waits, with no time limit.
    /// Blocks: call it off the main thread. Safe from any thread.
    virtual Result run(const QString &program, const QStringList &arguments) = 0;
};
