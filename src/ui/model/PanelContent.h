#pragma once

#include <QString>

/// What one report panel says.
struct PanelContent {
    QString title;
    QString body;
    /// A problem shows the warning symbol and stays longer.
    bool isProblem = false;
    /// Only panels for an opened card offer to unmount it.
    bool hasUnmount = false;

    friend bool operator==(const PanelContent &, const PanelContent &) = default;
};
