#pragma once

#include <optional>

/// Where reports of opened cards and problems are shown.
enum class ReportMedium {
    /// Mirvale's own panels.
    Panels,
    /// The desktop's notification server.
    Desktop,
};

/// The application-wide switches.
struct AppSettings {
    bool paused = false;
    bool handleCardsPresentAtLaunch = false;
    bool showNotifications = false;
    bool firstRunHintShown = false;
    bool extrasRevealed = false;
    bool showUnmountItems = true;
    /// Mirvale mounts a card that the desktop has not mounted shortly after it was inserted.
    bool mountInsertedCards = true;
    /// Absent until the user chooses: panels where Mirvale can place them, else the desktop's.
    std::optional<ReportMedium> reportWith;

    static AppSettings defaults() { return AppSettings {}; }

    friend bool operator==(const AppSettings &, const AppSettings &) = default;
};
