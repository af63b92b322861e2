#pragma once

#include <QString>
#include <QStringList>

class Coordinator;
class Logger;
class RulesStore;

/// Renders the settings window off screen into a PNG and ends the event loop with an exit
/// code (SnapshotOptions). Reads the rules and settings without writing either, and starts
/// nothing else: no card watching, no tray icon, no updates.
namespace SnapshotMode {

struct Request {
    QString outputPath;
    QStringList arguments;
    /// Where rules.json would be; read only.
    QString storageFolder;
};

/// Main thread, with the event loop running (the exit code ends it).
void run(Coordinator &coordinator, RulesStore &store, Logger &log, const Request &request);

} // namespace SnapshotMode
