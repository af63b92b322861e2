#pragma once

#include "platform/Placement.h"

#include <QString>

#include <optional>

/// One request to the desktop's file manager.
struct FileManagerRequest {
    enum class Kind {
        /// Whether a file manager answers on the bus; the answer names it.
        Check,
        /// The frame of the file manager's front window.
        FrontWindowBounds,
        /// Bring the file manager's windows to front.
        Activate,
        /// Show a folder (and select a file in it) in a window of its own.
        Show,
    };

    Kind kind = Kind::Check;
    QString folder; ///< Show: the folder's path
    std::optional<QString> selectFile; ///< Show: the path of a file to select in the folder
    std::optional<Placement> placement; ///< Show: where its window goes
    /// Show: the window may take the focus (the file manager is brought to front next).
    bool takesFocus = true;

    bool operator==(const FileManagerRequest &) const = default;
};

/// What the file manager answered.
struct FileManagerAnswer {
    QString name; ///< Check: the name the user knows the file manager by; empty when unknown
    std::optional<Placement> bounds; ///< FrontWindowBounds: absent when no window can be read
    bool raised = true; ///< Activate: false when it answered but no window could be raised

    bool operator==(const FileManagerAnswer &) const = default;
};

/// Why a request to the file manager failed.
struct FileManagerFailure {
    enum class Kind {
        NoFileManager, ///< nothing owns or can start org.freedesktop.FileManager1, or no bus
        AccessDenied, ///< the bus or the file manager refused the call
        TimedOut, ///< no answer in time, or the call was dropped because Mirvale is quitting
        QuitDuringCall, ///< the file manager left the bus before it answered
        FolderMissing, ///< the folder to show does not exist
        Other, ///< anything else; `detail` says what
    };

    Kind kind = Kind::Other;
    /// What the bus said (error name and message) or why; for the log.
    QString detail;

    bool operator==(const FileManagerFailure &) const = default;
};
