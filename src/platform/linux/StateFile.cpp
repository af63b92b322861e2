#include "platform/linux/StateFile.h"

#include "support/Logger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

StateFile::StateFile(const QString &filePath)
    : m_settings(filePath, QSettings::IniFormat)
{
}

QString StateFile::moveEarlier(const QString &filePath, const QString &earlierPath, Logger &log)
{
    if (QFileInfo::exists(filePath) || !QFileInfo::exists(earlierPath))
        return filePath;
    QFile earlier(earlierPath);
    if (QDir().mkpath(QFileInfo(filePath).absolutePath()) && earlier.rename(filePath)) {
        log.info(QStringLiteral("Moved the remembered card names from ") + earlierPath
            + QStringLiteral(" to ") + filePath);
        return filePath;
    }
    log.warn(QStringLiteral("Could not move the remembered card names from ") + earlierPath
        + QStringLiteral(" to ") + filePath + QStringLiteral(": ") + earlier.errorString()
        + QStringLiteral("; reading them where they are"));
    return earlierPath;
}

QVariant StateFile::value(const QString &key) const
{
    return m_settings.value(key);
}

void StateFile::setValue(const QString &key, const QVariant &value)
{
    m_settings.setValue(key, value);
    // QSettings replaces the file through a temporary one, so a crash never leaves half a file.
    m_settings.sync();
}
