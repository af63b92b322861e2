#pragma once

/// The settings window as the Coordinator reaches it.
class AbstractSettingsWindow {
public:
    virtual ~AbstractSettingsWindow() = default;

    /// Shows the window and brings it forward; `revealExtras` also shows the Extras section.
    virtual void show(bool revealExtras) = 0;
};
