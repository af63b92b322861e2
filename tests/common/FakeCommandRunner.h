#pragma once

#include "platform/CommandRunner.h"

#include <QHash>
#include <QStringList>

#include <mutex>
#include <set>

/// Commands the test scripts by program name; every run is recorded as one line
/// ("umount /media/me/EOS"). Unscripted programs succeed.
class FakeCommandRunner final : public CommandRunner {
public:
    Result run(const QString &program, const QStringList &arguments, const Limits &limits) override;

    /// Runs of `program` hang until cut off, as a stuck command would.
    void hang(const QString &program);
    /// How many runs are hanging right now.
    int hangingCount() const;

    void script(const QString &program, const Result &result);
    /// The result of one exact command line ("gsettings get S K"), ahead of the program's.
    void scriptLine(const QString &commandLine, const Result &result);
    /// The argument lists as they were handed over, one per run.
    QList<QStringList> calls() const;
    QStringList commandLines() const;

    static Result exited(int status, const QString &output = {});
    static Result notStarted(const QString &reason);

private:
    mutable std::mutex m_mutex;
    QHash<QString, Result> m_results;
    QHash<QString, Result> m_lineResults;
    QList<QStringList> m_calls;
    std::set<QString> m_hanging;
    int m_hangingCount = 0;
};
