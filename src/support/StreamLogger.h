#pragma once

#include "support/Logger.h"

#include <cstdio>
#include <mutex>

/// Writes log lines, in the log file's format, straight to a stream such as standard error.
/// For command-line tools that must not touch the user's log file.
class StreamLogger final : public Logger {
public:
    explicit StreamLogger(std::FILE *stream);

    void write(Level level, const QString &message) override;

private:
    std::mutex m_mutex;
    std::FILE *m_stream;
};
