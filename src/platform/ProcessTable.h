#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

/// The running processes, as far as Mirvale needs them to tell which program a window
/// belongs to. Safe to call from any thread.
class ProcessTable {
public:
    virtual ~ProcessTable() = default;

    /// The process that started `pid`, while both run; nothing when unknown.
    virtual std::optional<qint64> parent(qint64 pid) = 0;
    /// The program file `pid` runs; nothing when it has ended or cannot be read.
    virtual std::optional<QString> executable(qint64 pid) = 0;
    /// The environment `pid` was started with; nothing when it cannot be read.
    virtual std::optional<QHash<QString, QString>> environment(qint64 pid) = 0;
    /// The file names of the shared libraries `pid` has loaded ("libgtk-4.so.1"); empty when unknown.
    virtual QStringList libraries(qint64 pid) = 0;
};
