#pragma once

#include "support/Logger.h"
#include "support/Workers.h"

#include <QFile>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <mutex>
#include <vector>

/// The application's rotating log file: "mirvale.log" with two older generations,
/// written in order on a lane of the worker pool, so that callers never wait for the disk.
class Log final : public Logger {
public:
    static constexpr qint64 kMaxBytes = 512 * 1024;

    /// The log lives in "mirvale" under `stateHome` (StandardFolders::stateHome());
    /// a log an earlier version left in "Logs/Mirvale" there is moved in once.
    explicit Log(const QString &stateHome);
    /// Where the log is for `stateHome`, without opening it.
    static QString filePathFor(const QString &stateHome);
    ~Log() override;

    void write(Level level, const QString &message) override;

    QString directory() const { return m_directory; }
    QString logFilePath() const { return m_logFilePath; }

    /// Waits until every line queued before the call has been written or dropped.
    void sync();

    /// Writes every Qt message from now on (Qt's own warnings, and the debug lines of Mirvale's
    /// categories that QT_LOGGING_RULES turns on) into this log too, in its format; the handler
    /// there before still gets them. Undone when the log goes.
    void captureQtMessages();

private:
    struct PendingLine {
        Level level;
        QString message;
    };

    void drainPending();
    void writeLine(const PendingLine &line);
    void rotateIfNeeded(qint64 incomingBytes);
    void openHandleForAppend(bool seedSize);
    void ensureDirectoryExists();
    void closeHandle();
    static void handleQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message);

    QString m_logFilePath;
    QString m_directory;
    Workers::Lane m_lane;

    // Hand-over from callers to the lane.
    std::mutex m_pendingMutex;
    std::vector<PendingLine> m_pending;
    bool m_drainScheduled = false;

    // Touched only by the lane's work (and the constructor, before any).
    std::unique_ptr<QFile> m_handle;
    qint64 m_currentSize = 0;
};
