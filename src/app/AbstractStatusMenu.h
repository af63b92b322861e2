#pragma once

/// The tray icon and its menu as the Coordinator reaches them.
class AbstractStatusMenu {
public:
    virtual ~AbstractStatusMenu() = default;

    /// Redraws the icon when the paused state differs from the one last drawn.
    virtual void refreshIcon() = 0;
};
