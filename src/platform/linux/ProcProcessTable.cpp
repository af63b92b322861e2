#include "platform/linux/ProcProcessTable.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString procPath(qint64 pid, const char *entry)
{
    return QStringLiteral("/proc/") + QString::number(pid) + QLatin1Char('/') + QLatin1String(entry);
}

} // namespace

std::optional<qint64> ProcProcessTable::parent(qint64 pid)
{
    QFile stat(procPath(pid, "stat"));
    if (pid <= 0 || !stat.open(QIODevice::ReadOnly))
        return std::nullopt;
    // "PID (NAME) STATE PPID ...": the name may hold spaces and parentheses, so read after the last ')'.
    const QByteArray line = stat.readAll();
    const qsizetype end = line.lastIndexOf(')');
    if (end < 0)
        return std::nullopt;
    const QList<QByteArray> fields = line.mid(end + 2).split(' ');
    bool ok = false;
    const qint64 parent = fields.size() > 1 ? fields.at(1).toLongLong(&ok) : 0;
    return ok && parent > 0 ? std::optional<qint64>(parent) : std::nullopt;
}

std::optional<QString> ProcProcessTable::executable(qint64 pid)
{
    const QString target = QFileInfo(procPath(pid, "exe")).symLinkTarget();
    if (pid <= 0 || target.isEmpty())
        return std::nullopt;
    return target;
}

std::optional<QHash<QString, QString>> ProcProcessTable::environment(qint64 pid)
{
    QFile environ(procPath(pid, "environ"));
    if (pid <= 0 || !environ.open(QIODevice::ReadOnly))
        return std::nullopt;
    QHash<QString, QString> values;
    const QList<QByteArray> entries = environ.readAll().split('\0');
    for (const QByteArray &entry : entries) {
        const qsizetype equals = entry.indexOf('=');
        if (equals > 0)
            values.insert(
                QString::fromLocal8Bit(entry.left(equals)), QString::fromLocal8Bit(entry.mid(equals + 1)));
    }
    return values;
}

QStringList ProcProcessTable::libraries(qint64 pid)
{
    QFile maps(procPath(pid, "maps"));
    if (pid <= 0 || !maps.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    // "address perms offset dev inode path": the mapped file's path is the last field.
    for (const QByteArray &line : maps.readAll().split('\n')) {
        const qsizetype slash = line.lastIndexOf('/');
        if (slash < 0 || !line.contains(".so"))
            continue;
        const QString name = QString::fromLocal8Bit(line.mid(slash + 1));
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}
