#pragma once

/// The roles assistive tools read for Mirvale's own windows: the settings window is a frame,
/// a report panel a notification (an alert when it reports a problem), a menu button is read by
/// its name with its choice as its value. Qt gives a plain widget the role of a filler.
class AccessibleRoles {
public:
    /// Installs the factory once; later calls do nothing.
    static void install();
};
