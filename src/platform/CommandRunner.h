#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

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
        QString standardOutput; ///< what it wrote to standard output (its first 64 KiB)
        bool timedOut = false; ///< killed because it ran past its time limit
        bool cutOff = false; ///< killed because its owner was going away
    };

    /// How long a command may run, and a question asked while it runs: true stops it now.
    struct Limits {
        std::chrono::milliseconds timeLimit { 60'000 };
        std::function<bool()> cutOff;
    };

    virtual ~CommandRunner() = default;

    /// Runs `program` (looked up on PATH) with `arguments` and waits until it ends, runs past
    /// `limits.timeLimit` or is cut off (then it is killed). Blocks: call it off the main
    /// thread. Safe from any thread.
    virtual Result run(const QString &program, const QStringList &arguments, const Limits &limits) = 0;
};
