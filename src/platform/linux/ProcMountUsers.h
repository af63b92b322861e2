#pragma once

#include "platform/MountUsers.h"

#include <QStringList>

/// The users of a mount as /proc shows them: each process's descriptors, working and root
/// folder and memory maps; programs named from their desktop entries in `dataDirs`.
class ProcMountUsers final : public MountUsers {
public:
    explicit ProcMountUsers(QStringList dataDirs, QString procRoot = QStringLiteral("/proc"));

    QList<Process> usersOf(const QString &mountPoint) override;
    std::optional<Process> process(qint64 pid) override;

private:
    bool uses(const QString &processDir, const QString &mountPoint) const;

    const QStringList m_dataDirs;
    const QString m_procRoot;
};
