#include "ScriptedFileAccess.h"

#include "rules/FileError.h"

#include <QFileInfo>

void ScriptedFileAccess::failWrites(const QString &fileName, int count, const QString &message)
{
    std::lock_guard lock(m_mutex);
    m_failuresLeft[fileName] = count;
    m_failureMessages[fileName] = message;
}

void ScriptedFileAccess::failCreateFolder(bool fail)
{
    std::lock_guard lock(m_mutex);
    m_failCreate = fail;
}

void ScriptedFileAccess::failMoves(bool fail)
{
    std::lock_guard lock(m_mutex);
    m_failMoves = fail;
}

void ScriptedFileAccess::holdWrites()
{
    std::lock_guard lock(m_mutex);
    m_held = true;
}

void ScriptedFileAccess::releaseWrites()
{
    {
        std::lock_guard lock(m_mutex);
        m_held = false;
    }
    m_released.notify_all();
}

int ScriptedFileAccess::writeAttempts(const QString &fileName) const
{
    std::lock_guard lock(m_mutex);
    return m_attempts.value(fileName);
}

bool ScriptedFileAccess::exists(const QString &path)
{
    return m_real.exists(path);
}

void ScriptedFileAccess::createFolder(const QString &path)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_failCreate)
            throw FileError(QStringLiteral("Permission denied."));
    }
    m_real.createFolder(path);
}

QByteArray ScriptedFileAccess::read(const QString &path, qint64 maxBytes)
{
    return m_real.read(path, maxBytes);
}

void ScriptedFileAccess::writeAtomically(const QString &path, const QByteArray &data)
{
    const QString name = QFileInfo(path).fileName();
    QString failure;
    {
        std::unique_lock lock(m_mutex);
        m_released.wait(lock, [this] { return !m_held; });
        ++m_attempts[name];
        int &left = m_failuresLeft[name];
        if (left > 0) {
            --left;
            failure = m_failureMessages.value(name);
        }
    }
    if (!failure.isEmpty())
        throw FileError(failure);
    m_real.writeAtomically(path, data);
}

void ScriptedFileAccess::move(const QString &from, const QString &to)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_failMoves)
            throw FileError(QStringLiteral("The file could not be moved."));
    }
    m_real.move(from, to);
}
