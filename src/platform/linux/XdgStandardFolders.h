#pragma once

#include "platform/StandardFolders.h"

/// The XDG base directories: configuration in $XDG_CONFIG_HOME (~/.config), state such as
/// logs in $XDG_STATE_HOME (~/.local/state). A variable that is unset or not absolute is
/// ignored, as the XDG Base Directory Specification asks.
class XdgStandardFolders final : public StandardFolders {
public:
    QString configHome() const override;
    QString stateHome() const override;
};
