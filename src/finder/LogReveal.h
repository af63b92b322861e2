#pragma once

class FinderService;
class Log;

namespace LogReveal {

/// Has the file manager show the current log file selected (its folder when the file is
/// not there yet). Main thread.
void revealInFinder(const Log &log, FinderService &finder);

} // namespace LogReveal
