#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

/// The processes that keep a mounted volume busy, and what a user knows them by. Blocks on the
/// system's process table: call it off the main thread. Safe from any thread.
class MountUsers {
public:
    struct Process {
        qint64 pid = 0;
        qint64 parent = 0; ///< 0 when unknown
        QString command; ///< the process's short name, as the system keeps it
        QString executable; ///< the program file it runs; empty when it cannot be read
        QString programName; ///< the Name of the program's desktop entry; empty when it has none
    };

    virtual ~MountUsers() = default;

    /// The processes with an open file, a working or root folder, or a mapped file under
    /// `mountPoint`, by process id. Only the processes this user may look into.
    virtual QList<Process> usersOf(const QString &mountPoint) = 0;
    /// One process; nothing once it has ended or cannot be read.
    virtual std::optional<Process> process(qint64 pid) = 0;
};
