#include "platform/linux/ProcMountUsers.h"

#include "platform/linux/FileManagerName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

bool isUnder(const QString &path, const QString &mountPoint)
{
    return path == mountPoint || path.startsWith(mountPoint + QLatin1Char('/'));
}

QString linkTarget(const QString &path)
{
    return QFile::symLinkTarget(path);
}

} // namespace

ProcMountUsers::ProcMountUsers(QStringList dataDirs, QString procRoot)
    : m_dataDirs(std::move(dataDirs))
    , m_procRoot(std::move(procRoot))
{
}

QList<MountUsers::Process> ProcMountUsers::usersOf(const QString &mountPoint)
{
    const QString mount = QDir::cleanPath(mountPoint);
    QList<qint64> pids;
    const QStringList entries = QDir(m_procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool ok = false;
        const qint64 pid = entry.toLongLong(&ok);
        if (ok && pid > 0 && uses(m_procRoot + QLatin1Char('/') + entry, mount))
            pids.append(pid);
    }
    std::sort(pids.begin(), pids.end());
    QList<Process> users;
    for (const qint64 pid : std::as_const(pids)) {
        if (const std::optional<Process> user = process(pid))
            users.append(*user);
    }
    return users;
}

bool ProcMountUsers::uses(const QString &processDir, const QString &mountPoint) const
{
    for (const char *link : { "cwd", "root", "exe" }) {
        if (isUnder(linkTarget(processDir + QLatin1Char('/') + QLatin1String(link)), mountPoint))
            return true;
    }
    const QString fdDir = processDir + QStringLiteral("/fd/");
    const QStringList fds = QDir(fdDir).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &fd : fds) {
        if (isUnder(linkTarget(fdDir + fd), mountPoint))
            return true;
    }
    // "ADDRESS PERMS OFFSET DEV INODE PATH": a mapped file's path starts at the first '/'.
    QFile maps(processDir + QStringLiteral("/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    while (!maps.atEnd()) {
        const QByteArray line = maps.readLine().trimmed();
        const qsizetype slash = line.indexOf('/');
        if (slash >= 0 && isUnder(QString::fromUtf8(line.mid(slash)), mountPoint))
            return true;
    }
    return false;
}

std::optional<MountUsers::Process> ProcMountUsers::process(qint64 pid)
{
    const QString dir = m_procRoot + QLatin1Char('/') + QString::number(pid);
    QFile stat(dir + QStringLiteral("/stat"));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    // "PID (COMM) STATE PPID ...": the name may hold spaces and parentheses.
    const QByteArray line = stat.readAll();
    const qsizetype open = line.indexOf('(');
    const qsizetype close = line.lastIndexOf(')');
    if (open < 0 || close < open)
        return std::nullopt;
    Process process;
    process.pid = pid;
    process.command = QString::fromUtf8(line.mid(open + 1, close - open - 1));
    const QList<QByteArray> fields = line.mid(close + 2).split(' ');
    process.parent = fields.size() > 1 ? fields.at(1).toLongLong() : 0;
    process.executable = linkTarget(dir + QStringLiteral("/exe"));
    if (!process.executable.isEmpty()) {
        // The file name comes back when no desktop entry names the program.
        const QString name = FileManagerName::forExecutable(process.executable, m_dataDirs);
        if (name != QFileInfo(process.executable).fileName())
            process.programName = name;
    }
    return process;
}
