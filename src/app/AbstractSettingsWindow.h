#pragma once

/// The settings window as the Coordinator reaches it.
class AbstractSettingsWindow {
public:
    virtual ~AbstractSettingsWindow() = default;

    /// Shows the window and brings it forward; `revealExtras` also shows the Extras section.
    /// Main thread.
    virtual void show(bool revealExtras) = 0;
};
