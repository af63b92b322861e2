#pragma once

#include "ui/model/Tone.h"

#include <QString>

/// The file manager line of the settings window's bottom bar: whether one answers, and its name.
struct FileManagerStatus {
    enum class State {
        NotChecked, ///< the snapshot shows no answer
        Checking,
        Allowed,
        NotAllowed,
    };

    State state = State::NotChecked;
    QString fileManager; ///< its name when Allowed, if known

    QString text() const;
    Tone dotTone() const;

    friend bool operator==(const FileManagerStatus &, const FileManagerStatus &) = default;
};
