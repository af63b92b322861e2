#pragma once

#include "detection/DetectedCard.h"
#include "detection/MountedCard.h"

#include <QString>

#include <variant>

/// One line of the tray menu as the core describes it; the view only renders it.
struct StatusMenuItem {
    /// What choosing the line does.
    enum class Action {
        None,
        OpenCard, ///< carries the DetectedCard
        EjectCard, ///< carries the MountedCard
        TogglePause,
        ShowSettings,
        ToggleLaunchAtLogin,
        ShowLog,
        CheckForUpdates,
        Quit,
    };

    bool isSeparator = false;
    QString title;
    /// A key sequence in portable text form ("Ctrl+,"); empty for none.
    QString shortcut;
    /// Shows a tick box; `checked` says whether it is ticked.
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    int indentation = 0;
    Action action = Action::None;
    /// The card the line stands for, if any.
    std::variant<std::monostate, DetectedCard, MountedCard> card;

    static StatusMenuItem separator();
    const DetectedCard *detectedCard() const { return std::get_if<DetectedCard>(&card); }
    const MountedCard *mountedCard() const { return std::get_if<MountedCard>(&card); }

    friend bool operator==(const StatusMenuItem &, const StatusMenuItem &) = default;
};
