#pragma once

#include "platform/linux/PosixFileAccess.h"

#include <QHash>
#include <QString>

#include <condition_variable>
#include <mutex>

/// The real file system, with failures and pauses that tests script by file name.
/// Safe to use from the settings queue and the test thread at once.
class ScriptedFileAccess final : public FileAccess {
public:
    static inline const QString kFullDisk = QStringLiteral("The volume is full.");

    /// The next `count` writes to files with this name fail with `message`.
    void failWrites(const QString &fileName, int count, const QString &message = kFullDisk);
    void failCreateFolder(bool fail);
    void failMoves(bool fail);
    /// Writes wait at their start until released, so tests can queue several first.
    void holdWrites();
    void releaseWrites();
    /// Writes attempted (failed ones included) to files with this name.
    int writeAttempts(const QString &fileName) const;

    bool exists(const QString &path) override;
    void createFolder(const QString &path) override;
    QByteArray read(const QString &path, qint64 maxBytes) override;
    void writeAtomically(const QString &path, const QByteArray &data) override;
    void move(const QString &from, const QString &to) override;
    int removeStaleTemporaries(const QString &folder, const QString &fileName) override
    {
        return m_real.removeStaleTemporaries(folder, fileName);
    }

private:
    PosixFileAccess m_real;
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    QHash<QString, int> m_failuresLeft;
    QHash<QString, QString> m_failureMessages;
    QHash<QString, int> m_attempts;
    bool m_failCreate = false;
    bool m_failMoves = false;
    bool m_held = false;
};
