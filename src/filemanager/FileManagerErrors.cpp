#include "filemanager/FileManagerErrors.h"

#include "support/UserText.h"

MirvaleError FileManagerErrors::errorFor(const FileManagerFailure &failure, const QString &folder)
{
    using Kind = FileManagerFailure::Kind;
    switch (failure.kind) {
    case Kind::NoFileManager:
        return MirvaleError::fileManagerError(noFileManagerText());
    case Kind::AccessDenied:
        return MirvaleError::fileManagerAccessDenied();
    case Kind::TimedOut:
        return MirvaleError::fileManagerTimeout();
    case Kind::QuitDuringCall:
        return MirvaleError::fileManagerError(
            UserText::translate("FileManagerErrors", "the file manager quit during the call"));
    case Kind::FolderMissing:
        return MirvaleError::folderMissing(folder.isEmpty() ? failure.detail : folder);
    case Kind::Other:
        break;
    }
    return MirvaleError::fileManagerError(failure.detail.isEmpty()
            ? UserText::translate("FileManagerErrors", "unknown file manager error")
            : UserText::verbatim(failure.detail));
}

bool FileManagerErrors::isRetryable(const FileManagerFailure &failure)
{
    return failure.kind == FileManagerFailure::Kind::NoFileManager;
}

QString FileManagerErrors::noFileManagerMessage()
{
    return noFileManagerText().shown();
}

UserText FileManagerErrors::noFileManagerText()
{
    return UserText::translate("FileManagerErrors",
        "No file manager is available to show folders. Mirvale needs one that offers "
        "org.freedesktop.FileManager1 on the desktop session; start or install one.");
}
