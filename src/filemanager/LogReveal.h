#pragma once

class FileManagerService;
class Log;

namespace LogReveal {

/// Has the file manager show the current log file selected (its folder when the file is
/// not there yet). Main thread.
void revealInFileManager(const Log &log, FileManagerService &fileManager);

} // namespace LogReveal
