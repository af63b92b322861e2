#pragma once

#include <QString>
#include <QStringList>

/// What a file manager that runs as a Wayland client offers over the session bus to take its
/// windows off a folder, where Mirvale cannot close them itself. Called off the main thread.
class FileManagerViews {
public:
    struct Outcome {
        /// How many of its windows left the folders.
        int moved = 0;
        /// Why windows still show them, or why nothing could be asked; empty when none do.
        QString failure;
    };

    virtual ~FileManagerViews() = default;
    /// Asks the file manager `program` (its executable's name) to take every window that shows
    /// one of `folders` to the home folder; windows showing other folders are not touched.
    virtual Outcome moveToHome(const QString &program, const QStringList &folders) = 0;
};
