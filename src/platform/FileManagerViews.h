#pragma once

#include <QString>
#include <QStringList>

/// What a file manager that runs as a Wayland client offers over the session bus to take its
/// windows off a folder, where Mirvale cannot close them itself. Called off the main thread.
class FileManagerViews {
public:
    struct Outcome {
        /// How many of its windows were closed or left the folders.
        int moved = 0;
        /// Why windows still show them, or why nothing could be asked; empty when none do.
        QString failure;
    };

    virtual ~FileManagerViews() = default;
    /// Asks the file manager `program` (its executable's name) to close every window that
    /// shows one of `folders`, or to take it to the home folder where closing would not free
    /// the folder sooner; windows showing other folders are not touched.
    virtual Outcome takeOff(const QString &program, const QStringList &folders) = 0;
};
