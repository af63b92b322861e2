#pragma once

#include <QObject>
#include <QString>

#include <optional>

class UpdateService;

/// Mirrors the update service for the menu: whether a check may start and which newer version
/// waits to be announced, shown as a gentle "Update to …" line instead of a window.
class UpdateController : public QObject {
    Q_OBJECT
public:
    /// The menu line: its title and whether it can be chosen.
    struct MenuItem {
        QString title;
        bool enabled = false;
    };

    /// `service` may be null where updates cannot be had; it must outlive the controller.
    explicit UpdateController(UpdateService *service, QObject *parent = nullptr);

    /// Connects to the service and starts it, once. Main thread; after the Coordinator started.
    void start();
    /// Starts if needed, then asks the service to check (or to install the waiting version).
    void checkForUpdates();

    /// "Update to 2.3…" while a version waits, else "Check for Updates…".
    MenuItem makeMenuItem() const;

    std::optional<QString> availableVersion() const { return m_availableVersion; }
    bool canCheckForUpdates() const { return m_canCheckForUpdates; }

signals:
    /// availableVersion() changed to a different value.
    void updateAvailabilityChanged();
    void canCheckForUpdatesChanged(bool canCheck);

private:
    void setAvailableVersion(const std::optional<QString> &version);
    void setCanCheckForUpdates(bool canCheck);

    UpdateService *m_service;
    bool m_started = false;
    std::optional<QString> m_availableVersion;
    bool m_canCheckForUpdates = false;
};
