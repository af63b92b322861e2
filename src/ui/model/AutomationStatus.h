#pragma once

#include "ui/model/Tone.h"

#include <QString>

/// The file-manager automation line of the settings window's bottom bar.
struct AutomationStatus {
    enum class State {
        NotChecked, ///< the snapshot shows no answer
        Checking,
        Allowed,
        NotAllowed,
    };

    State state = State::NotChecked;

    QString text() const;
    Tone dotTone() const;

    friend bool operator==(const AutomationStatus &, const AutomationStatus &) = default;
};
