#include "filemanager/LogReveal.h"

#include "filemanager/FileManagerService.h"
#include "support/Log.h"

void LogReveal::revealInFileManager(const Log &log, FileManagerService &fileManager)
{
    // Showing an item raises the file manager on its own; the request log tells how it went.
    fileManager.open(QUrl::fromLocalFile(log.directory()), std::nullopt, false,
        QUrl::fromLocalFile(log.logFilePath()), [](const std::optional<MirvaleError> &) {});
}
