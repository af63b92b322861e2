#pragma once

#include "support/Logger.h"

#include <QStringList>

#include <mutex>

/// Keeps every line in memory, formatted as "[LEVEL] message", for tests to inspect.
class RecordingLogger final : public Logger {
public:
    void write(Level level, const QString &message) override;

    QStringList lines() const;
    bool contains(const QString &line) const;
    int count(const QString &line) const;
    void clear();

private:
    mutable std::mutex m_mutex;
    QStringList m_lines;
};
