#pragma once

#include "platform/FileAccess.h"

/// FileAccess on the local file system through POSIX calls.
class PosixFileAccess final : public FileAccess {
public:
    bool exists(const QString &path) override;
    void createFolder(const QString &path) override;
    QByteArray read(const QString &path, qint64 maxBytes) override;
    void writeAtomically(const QString &path, const QByteArray &data) override;
    void move(const QString &from, const QString &to) override;
    int removeStaleTemporaries(const QString &folder, const QString &fileName) override;
};
