#include "finder/LogReveal.h"

#include "finder/FinderService.h"
#include "support/Log.h"

void LogReveal::revealInFinder(const Log &log, FinderService &finder)
{
    // Showing an item raises the file manager on its own; the request log tells how it went.
    finder.open(QUrl::fromLocalFile(log.directory()), std::nullopt, false,
        QUrl::fromLocalFile(log.logFilePath()), [](const std::optional<DovettaError> &) {});
}
