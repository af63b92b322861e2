#include "filemanager/FileManagerErrors.h"

MirvaleError FileManagerErrors::errorFor(const FileManagerFailure &failure, const QString &folder)
{
    using Kind = FileManagerFailure::Kind;
    switch (failure.kind) {
    case Kind::NoFileManager:
        return MirvaleError::fileManagerError(noFileManagerMessage());
    case Kind::AccessDenied:
        return MirvaleError::fileManagerAccessDenied();
    case Kind::TimedOut:
        return MirvaleError::fileManagerTimeout();
    case Kind::QuitDuringCall:
        return MirvaleError::fileManagerError(QStringLiteral("the file manager quit during the call"));
    case Kind::FolderMissing:
        return MirvaleError::folderMissing(folder.isEmpty() ? failure.detail : folder);
    case Kind::Other:
        break;
    }
    return MirvaleError::fileManagerError(
        failure.detail.isEmpty() ? QStringLiteral("unknown file manager error") : failure.detail);
}

bool FileManagerErrors::isRetryable(const FileManagerFailure &failure)
{
    return failure.kind == FileManagerFailure::Kind::NoFileManager;
}

QString FileManagerErrors::noFileManagerMessage()
{
    return QStringLiteral("No file manager is available to show folders. Mirvale needs one that offers "
                          "org.freedesktop.FileManager1 on the desktop session; start or install one.");
}
