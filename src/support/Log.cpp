#include "support/Log.h"

#include "support/LogLine.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMutex>

namespace {

const QString kFileName = QStringLiteral("mirvale.log");

// The log that takes Qt's messages, and the handler that had them before.
QBasicMutex g_captureMutex;
Log *g_capturing = nullptr;
QtMessageHandler g_previousHandler = nullptr;

Logger::Level levelOf(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return Logger::Level::Debug;
    case QtInfoMsg:
        return Logger::Level::Info;
    case QtWarningMsg:
        return Logger::Level::Warn;
    case QtCriticalMsg:
    case QtFatalMsg:
        break;
    }
    return Logger::Level::Error;
}

QString generation(const QString &directory, int index)
{
    return directory + QLatin1Char('/') + kFileName + QLatin1Char('.') + QString::number(index);
}

/// Earlier versions kept one log and its generations in "Logs/Mirvale" under the state
/// folder; they move to `folder` once, so a bug report still has the history.
void moveEarlierLog(const QString &stateHome, const QString &folder)
{
    const QString earlierPath = stateHome + QStringLiteral("/Logs/Mirvale");
    const QDir earlier(earlierPath);
    if (!earlier.exists() || QFileInfo::exists(folder + QLatin1Char('/') + kFileName))
        return;
    QDir().mkpath(folder);
    const QStringList patterns { QStringLiteral("*.log"), QStringLiteral("*.log.1"),
        QStringLiteral("*.log.2") };
    for (const QFileInfo &entry : earlier.entryInfoList(patterns, QDir::Files)) {
        const QString name = entry.fileName();
        const QString target
            = folder + QLatin1Char('/') + kFileName + name.mid(name.lastIndexOf(QLatin1String(".log")) + 4);
        if (!QFileInfo::exists(target))
            QFile::rename(entry.filePath(), target);
    }
    // Only folders left empty go.
    QDir().rmdir(earlierPath);
    QDir().rmdir(stateHome + QStringLiteral("/Logs"));
}

} // namespace

QString Log::filePathFor(const QString &stateHome)
{
    return stateHome + QStringLiteral("/mirvale/") + kFileName;
}

Log::Log(const QString &stateHome)
{
    const QString folder = stateHome + QStringLiteral("/mirvale");
    moveEarlierLog(stateHome, folder);

    m_directory = folder;
    m_logFilePath = folder + QLatin1Char('/') + kFileName;
    QDir().mkpath(m_directory);
    openHandleForAppend(true);
}

Log::~Log()
{
    {
        QMutexLocker lock(&g_captureMutex);
        if (g_capturing == this) {
            qInstallMessageHandler(g_previousHandler);
            g_capturing = nullptr;
        }
    }
    sync();
}

void Log::write(Level level, const QString &message)
{
    bool schedule = false;
    {
        std::lock_guard lock(m_pendingMutex);
        m_pending.push_back({ level, message });
        schedule = !m_drainScheduled;
        m_drainScheduled = true;
    }
    if (schedule)
        m_lane.post([this] { drainPending(); });
}

void Log::captureQtMessages()
{
    QMutexLocker lock(&g_captureMutex);
    g_capturing = this;
    const QtMessageHandler previous = qInstallMessageHandler(&Log::handleQtMessage);
    if (previous != &Log::handleQtMessage)
        g_previousHandler = previous;
}

void Log::handleQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&g_captureMutex);
        if (g_capturing) {
            const char *category = context.category;
            const bool named = category && qstrcmp(category, "default") != 0;
            g_capturing->write(levelOf(type),
                named ? QString::fromLatin1(category) + QStringLiteral(": ") + message : message);
        }
    }
    // Qt hands out its default handler as the one before, never none.
    if (g_previousHandler)
        g_previousHandler(type, context, message);
}

void Log::sync()
{
    m_lane.post([this] { drainPending(); });
    m_lane.flush();
}

void Log::drainPending()
{
    std::vector<PendingLine> batch;
    {
        std::lock_guard lock(m_pendingMutex);
        batch.swap(m_pending);
        m_drainScheduled = false;
    }
    for (const auto &line : batch)
        writeLine(line);
}

void Log::writeLine(const PendingLine &line)
{
    const QByteArray bytes = LogLine::format(QDateTime::currentDateTime(), line.level, line.message);

    if (m_handle && !QFileInfo::exists(m_logFilePath)) {
        // Deleted under us: start a new file rather than write into the unlinked one.
        closeHandle();
        m_currentSize = 0;
    }
    rotateIfNeeded(bytes.size());
    if (!m_handle)
        openHandleForAppend(true);
    if (!m_handle)
        return;
    if (m_handle->write(bytes) != bytes.size() || !m_handle->flush()) {
        closeHandle();
        return;
    }
    m_currentSize += bytes.size();
}

void Log::rotateIfNeeded(qint64 incomingBytes)
{
    if (m_currentSize + incomingBytes <= kMaxBytes)
        return;
    closeHandle();
    ensureDirectoryExists();
    QFile::remove(generation(m_directory, 2));
    QFile::rename(generation(m_directory, 1), generation(m_directory, 2));
    const bool renamed = QFile::rename(m_logFilePath, generation(m_directory, 1));
    openHandleForAppend(!renamed);
}

void Log::openHandleForAppend(bool seedSize)
{
    ensureDirectoryExists();
    closeHandle();
    auto file = std::make_unique<QFile>(m_logFilePath);
    // Append mode creates a missing file and positions every write at the end.
    if (file->open(QIODevice::WriteOnly | QIODevice::Append))
        m_handle = std::move(file);
    if (seedSize) {
        const QFileInfo info(m_logFilePath);
        m_currentSize = info.exists() ? std::max<qint64>(0, info.size()) : 0;
    } else {
        m_currentSize = 0;
    }
}

void Log::ensureDirectoryExists()
{
    if (!QFileInfo(m_directory).isDir())
        QDir().mkpath(m_directory);
}

void Log::closeHandle()
{
    if (m_handle) {
        m_handle->close();
        m_handle.reset();
    }
}
