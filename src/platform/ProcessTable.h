#pragma once

#include <QString>
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
};
