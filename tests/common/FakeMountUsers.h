#pragma once

#include "platform/MountUsers.h"

/// A process table in memory, filled before use; the processes marked as users hold every mount.
class FakeMountUsers final : public MountUsers {
public:
    void add(qint64 pid, qint64 parent, const char *command, const char *name, bool holdsTheCard)
    {
        m_all.append({ pid, parent, QString::fromUtf8(command), {}, QString::fromUtf8(name) });
        if (holdsTheCard)
            m_users.append(m_all.constLast());
    }
    QList<Process> usersOf(const QString &) override { return m_users; }
    std::optional<Process> process(qint64 pid) override
    {
        for (const Process &process : std::as_const(m_all))
            if (process.pid == pid)
                return process;
        return std::nullopt;
    }

private:
    QList<Process> m_all, m_users;
};
