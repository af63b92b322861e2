#pragma once

#include <QString>

/// The user's standard folders, where the platform keeps them.
class StandardFolders {
public:
    virtual ~StandardFolders() = default;

    /// Where applications keep their own data folders ("Mirvale" holds the rules and the
    /// settings); absolute.
    virtual QString configHome() const = 0;
    /// $XDG_STATE_HOME: where the log lives ("mirvale" inside it); absolute.
    virtual QString stateHome() const = 0;
};
