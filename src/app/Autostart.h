#pragma once

#include <functional>
#include <memory>

class AutostartService;
class Logger;

/// Whether Mirvale starts when the user logs in, with the last known answer kept for the menu's
/// tick so that it never waits for the disk.
class Autostart {
public:
    Autostart(std::shared_ptr<AutostartService> service, Logger &log);
    ~Autostart();

    /// The state as last read or last set; false until then.
    bool lastKnownEnabled() const;

    /// Reads the state in the background; the answer updates lastKnownEnabled() and reaches
    /// `callback` (if any) on the main thread. Any thread.
    void refreshStatus(std::function<void(bool enabled)> callback = {});

    /// Registers or unregisters Mirvale. Throws DescribedError with the reason on failure,
    /// leaving lastKnownEnabled() as it was. Blocks on the file work; any thread.
    void setEnabled(bool on);

private:
    struct State {
        bool lastKnownEnabled = false;
    };

    std::shared_ptr<AutostartService> m_service;
    Logger &m_log;
    // Shared with queued work, which drops its answer once the Autostart is gone.
    std::shared_ptr<State> m_state = std::make_shared<State>();
};
