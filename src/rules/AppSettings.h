#pragma once

/// The application-wide switches.
struct AppSettings {
    bool paused = false;
    bool handleCardsPresentAtLaunch = false;
    bool showNotifications = false;
    bool firstRunHintShown = false;
    bool extrasRevealed = false;
    bool showUnmountItems = true;

    static AppSettings defaults() { return AppSettings {}; }

    friend bool operator==(const AppSettings &, const AppSettings &) = default;
};
