#pragma once

#include <QString>

/// The user's standard folders, where the platform keeps them.
class StandardFolders {
public:
    virtual ~StandardFolders() = default;

    /// Where applications keep their own data folders ("Mirvale" holds the rules and the
    /// settings); absolute.
    virtual QString applicationSupportFolder() const = 0;
    /// The folder that holds "Logs/Mirvale"; absolute.
    virtual QString libraryFolder() const = 0;
};
