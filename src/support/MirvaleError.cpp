#include "support/MirvaleError.h"

QString MirvaleError::description() const
{
    switch (m_kind) {
    case Kind::FileManagerError:
        return QStringLiteral("File manager error: ") + m_payload;
    case Kind::FolderMissing:
        return QStringLiteral("Folder not found: ") + m_payload;
    case Kind::DiskError:
    case Kind::DiskBusy:
        return QStringLiteral("Disk error: ") + m_payload;
    case Kind::FileManagerTimeout:
        return QStringLiteral("The file manager did not respond in time.");
    case Kind::NoMatchingRule:
        return QStringLiteral("No rule matches this card.");
    case Kind::FileManagerAccessDenied:
        return QStringLiteral(
            "Mirvale is not allowed to control the file manager. Allow it in the desktop\u2019s "
            "settings, or install or start another file manager.");
    case Kind::FileManagerCheckPending:
        return QStringLiteral("Still waiting for the file manager to answer an earlier request.");
    }
    return {};
}

QString MirvaleError::englishDescription() const
{
    return description();
}

QString MirvaleError::plainText() const
{
    const auto withPayload = [this](const char *name) {
        return QLatin1String(name) + QStringLiteral("(\"") + m_payload + QStringLiteral("\")");
    };
    switch (m_kind) {
    case Kind::FileManagerError:
        return withPayload("fileManagerError");
    case Kind::FolderMissing:
        return withPayload("folderMissing");
    case Kind::DiskError:
        return withPayload("diskError");
    case Kind::DiskBusy:
        return withPayload("diskBusy");
    case Kind::FileManagerTimeout:
        return QStringLiteral("fileManagerTimeout");
    case Kind::NoMatchingRule:
        return QStringLiteral("noMatchingRule");
    case Kind::FileManagerAccessDenied:
        return QStringLiteral("fileManagerAccessDenied");
    case Kind::FileManagerCheckPending:
        return QStringLiteral("fileManagerCheckPending");
    }
    return {};
}
