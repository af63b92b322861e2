#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

class DesktopNotifications;
class Logger;
class StateStore;

/// Tells the user once, ever, that Mirvale runs without a tray icon, without taking focus:
/// through the desktop's notifications where a server runs, else in a window the caller shows
/// without activating it. Remembered in the state file.
class NoTrayNotice : public QObject {
public:
    static constexpr const char *kToldKey = "noTrayNoticeShown";

    struct Services {
        StateStore *state = nullptr;
        DesktopNotifications *desktop = nullptr;
        Logger *log = nullptr;
    };

    explicit NoTrayNotice(Services services);

    /// Tells it, unless it was told before; `showWindow` shows the window instead of a notification.
    void tell(std::function<void()> showWindow);

private:
    Services m_services;
    bool m_asking = false;
};
