#pragma once

/// The script error numbers the file manager controller tells apart, as Finder scripting
/// reports them; every script runner answers with these.
namespace ScriptErrorNumber {
/// No file manager to talk to.
inline constexpr int applicationNotRunning = -600;
/// The file manager could not be started.
inline constexpr int applicationNotLaunched = -601;
/// The connection to the file manager broke.
inline constexpr int connectionInvalid = -609;
/// The user (or the desktop) does not let Mirvale control the file manager.
inline constexpr int accessDenied = -1743;
/// The file manager did not answer in time.
inline constexpr int timedOut = -1712;
/// The file or folder does not exist.
inline constexpr int fileNotFound = -43;
/// The file manager could not reach the item it was told about.
inline constexpr int cannotSetData = -10006;
} // namespace ScriptErrorNumber
