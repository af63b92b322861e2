#pragma once

#include "platform/MountUsers.h"

#include <QHash>

#include <mutex>

/// A process table in memory; the processes marked as users hold every mount asked about.
class FakeMountUsers final : public MountUsers {
public:
    void add(const Process &process, bool holdsTheCard)
    {
        std::lock_guard lock(m_mutex);
        m_processes.insert(process.pid, process);
        if (holdsTheCard)
            m_users.append(process.pid);
    }

    QList<Process> usersOf(const QString &) override
    {
        std::lock_guard lock(m_mutex);
        QList<Process> users;
        for (const qint64 pid : std::as_const(m_users))
            users.append(m_processes.value(pid));
        return users;
    }

    std::optional<Process> process(qint64 pid) override
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_processes.constFind(pid);
        return it == m_processes.cend() ? std::nullopt : std::optional<Process>(*it);
    }

private:
    std::mutex m_mutex;
    QHash<qint64, Process> m_processes;
    QList<qint64> m_users;
};
