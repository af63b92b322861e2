#pragma once

#include "platform/ProcessTable.h"

#include <QHash>

#include <mutex>

/// Processes in memory: each with a parent and a program; unknown ones have neither.
class FakeProcessTable final : public ProcessTable {
public:
    void add(qint64 pid, qint64 parent, const QString &executable)
    {
        std::lock_guard lock(m_mutex);
        m_processes.insert(pid, { parent, executable });
    }

    std::optional<qint64> parent(qint64 pid) override
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_processes.constFind(pid);
        return it == m_processes.cend() ? std::nullopt : std::optional<qint64>(it->parent);
    }

    std::optional<QString> executable(qint64 pid) override
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_processes.constFind(pid);
        return it == m_processes.cend() ? std::nullopt : std::optional<QString>(it->executable);
    }

private:
    struct Process {
        qint64 parent = 0;
        QString executable;
    };
    std::mutex m_mutex;
    QHash<qint64, Process> m_processes;
};
