#include "support/MirvaleError.h"

#include "support/UserText.h"

UserText MirvaleError::text() const
{
    const UserText payload = UserText::of(m_payload, m_englishPayload);
    switch (m_kind) {
    case Kind::FileManagerError:
        //: %1 is the file manager's own message.
        return UserText::translate("MirvaleError", "File manager error: %1").arg(payload);
    case Kind::FolderMissing:
        //: %1 is the folder's path.
        return UserText::translate("MirvaleError", "Folder not found: %1").arg(payload);
    case Kind::DiskError:
    case Kind::DiskBusy:
        //: %1 is the disk service's own message.
        return UserText::translate("MirvaleError", "Disk error: %1").arg(payload);
    case Kind::FileManagerTimeout:
        return UserText::translate("MirvaleError", "The file manager did not respond in time.");
    case Kind::NoMatchingRule:
        return UserText::translate("MirvaleError", "No rule matches this card.");
    case Kind::FileManagerAccessDenied:
        return UserText::translate("MirvaleError",
            "Mirvale is not allowed to control the file manager. Allow it in the desktop’s "
            "settings, or install or start another file manager.");
    case Kind::FileManagerCheckPending:
        return UserText::translate(
            "MirvaleError", "Still waiting for the file manager to answer an earlier request.");
    }
    return {};
}

QString MirvaleError::description() const
{
    return text().shown();
}

QString MirvaleError::englishDescription() const
{
    return text().english();
}

QString MirvaleError::plainText() const
{
    const auto withPayload = [this](const char *name) {
        return QLatin1String(name) + QStringLiteral("(\"") + m_englishPayload + QStringLiteral("\")");
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
