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

    void setRunsWith(qint64 pid, const QHash<QString, QString> &environment, const QStringList &libraries)
    {
        std::lock_guard lock(m_mutex);
        m_environments.insert(pid, environment);
        m_libraries.insert(pid, libraries);
    }
    std::optional<QHash<QString, QString>> environment(qint64 pid) override
    {
        std::lock_guard lock(m_mutex);
        return m_environments.contains(pid) ? std::optional(m_environments.value(pid)) : std::nullopt;
    }
    QStringList libraries(qint64 pid) override
    {
        std::lock_guard lock(m_mutex);
        return m_libraries.value(pid);
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
    QHash<qint64, QHash<QString, QString>> m_environments;
    QHash<qint64, QStringList> m_libraries;
};
