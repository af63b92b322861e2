#pragma once

#include "platform/StatusNotifierExport.h"

#include <QDBusConnection>

class DBusMenuObject;
class Logger;
class QDBusMessage;
class QDBusServiceWatcher;
class StatusNotifierItemObject;

/// Mirvale's own status-notifier item and DBusMenu on the session bus, registered with the
/// StatusNotifierWatcher whenever one runs (again after its owner changes). All calls are
/// asynchronous; the answers come back on the main thread.
class DBusStatusNotifierItem final : public StatusNotifierExport {
    Q_OBJECT
public:
    static constexpr const char *kWatcherService = "org.kde.StatusNotifierWatcher";

    DBusStatusNotifierItem(QDBusConnection bus, Logger *log, QObject *parent = nullptr);
    ~DBusStatusNotifierItem() override;

    bool isShown() const override { return m_shown; }
    void start() override;

    void setIcon(const QString &themedName, const QList<TrayIconImage> &images) override;
    void setLayout(const QList<TrayMenuEntry> &entries) override;
    void updateEntries(const QList<TrayMenuEntry> &entries, const QList<int> &changedIds) override;

private Q_SLOTS:
    // Qt's D-Bus signal hook-up takes a slot signature; there is no member-pointer form.
    void onHostRegistered(const QDBusMessage &message);

private:
    void registerWithWatcher();
    void sendRegistration(int generation);
    void askWhetherHostRuns();
    void setHost(bool shown, const QString &program);

    QDBusConnection m_bus;
    Logger *m_log;
    QString m_serviceName;
    DBusMenuObject *m_menu;
    StatusNotifierItemObject *m_item;
    QDBusServiceWatcher *m_watcher = nullptr;
    bool m_shown = false;
    /// Whether the first answer about a host has come.
    bool m_settled = false;
    QString m_hostProgram;
    /// The process running the watcher last registered with ("gnome-shell"), empty if unknown.
    QString m_watcherProgram;
    /// Counts registrations, so that answers to an earlier one are dropped.
    int m_generation = 0;
};
