#pragma once

#include <QString>

/// Where components send their diagnostic lines. The application's file log implements it;
/// command-line tools and tests hand in their own sinks.
class Logger {
public:
    enum class Level { Debug, Info, Warn, Error };

    virtual ~Logger() = default;

    /// Queues or writes one message. Must return quickly and may be called from any thread.
    virtual void write(Level level, const QString &message) = 0;

    void info(const QString &message) { write(Level::Info, message); }
    void warn(const QString &message) { write(Level::Warn, message); }
    void error(const QString &message) { write(Level::Error, message); }

    /// "DEBUG", "INFO", "WARN" or "ERROR".
    static QString levelName(Level level);
};
