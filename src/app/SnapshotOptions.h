#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

/// The command line of snapshot mode: `mirvale --snapshot-settings PATH [light]` renders
/// the settings window into a PNG file and exits with one of the codes below.
namespace SnapshotOptions {

enum ExitCode {
    Written = 0,
    NoWindow = 2, ///< the settings window or its content is missing
    NoBitmap = 3, ///< no image could be prepared for the window
    NotEncoded = 4, ///< the image could not be encoded as PNG
    NotWritten = 5, ///< the PNG could not be written to the output path
};

/// How long the window settles off screen before it is drawn.
inline constexpr std::chrono::milliseconds kSettleDelay { 800 };

/// The argument after the first "--snapshot-settings"; none when there is none (then the
/// application starts normally). `arguments` includes the program path.
std::optional<QString> outputPath(const QStringList &arguments);
/// "light" anywhere, as a whole argument.
bool wantsLight(const QStringList &arguments);
/// Whether `storageFolder` holds a rules file; a missing folder counts as none.
bool rulesFileExists(const QString &storageFolder);
/// Logged when there is no rules file, so nothing is loaded (and nothing seeded).
QString noRulesFileLine();

} // namespace SnapshotOptions
