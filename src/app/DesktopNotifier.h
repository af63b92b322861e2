#pragma once

#include "app/AbstractNotifier.h"
#include "rules/AppSettings.h"
#include <QObject>
#include <QPointer>

#include <QHash>
#include <QStringList>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class DesktopNotifications;
class Logger;
class RulesProvider;

/// Sends reports to the medium the settings choose: Mirvale's panels, or the desktop's
/// notification server, one notification per card that later reports about the card replace.
/// Without a server, reports fall back to the panels. The report calls may come from any
/// thread; everything else is main-thread only.
class DesktopNotifier final : public QObject, public AbstractNotifier {
public:
    /// As long as the panels stay.
    static constexpr std::chrono::milliseconds kReportExpiry { 8'000 };
    static constexpr std::chrono::milliseconds kProblemExpiry { 12'000 };
    static constexpr const char *kShowFolderAction = "show-folder";
    static constexpr const char *kUnmountAction = "unmount";
    static constexpr const char *kIconName = "mirvale-tray-symbolic";

    /// The collaborators; all must outlive the notifier.
    struct Services {
        const RulesProvider *rules = nullptr;
        Logger *log = nullptr;
        AbstractNotifier *panels = nullptr;
        DesktopNotifications *desktop = nullptr;
        /// Opens a card's folder again (a notification's "Show Folder").
        std::function<void(const QUrl &folder)> showFolder;
        /// False on a Wayland session without XWayland, where panels cannot be placed: there
        /// the desktop's notifications are the default.
        bool panelsPlaceable = true;
    };

    explicit DesktopNotifier(Services services);
    ~DesktopNotifier() override;

    /// The medium `settings` choose, their default resolved.
    static ReportMedium medium(const AppSettings &settings, bool panelsPlaceable);

    void setup() override;
    void setOnEjectRequested(std::function<void(const QUrl &volume)> callback) override;
    void cardOpened(
        const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount) override;
    void cardProblem(const MountedCard &card, const UserText &message) override;
    void cardUnmounted(const MountedCard &card) override;

private:
    /// One report on its way to the server.
    struct Report {
        QString cardKey;
        QString summary;
        QString body;
        bool problem = false;
        bool withActions = false;
        QUrl folder;
        QUrl volume;
        /// Shows the report in a panel instead.
        std::function<void()> inPanel;
    };
    /// The live notification of one card.
    struct Notice {
        uint id = 0;
        QUrl folder;
        QUrl volume;
        bool unmountAsked = false;
    };
    void enqueue(Report report);
    void sendNext();
    void send(Report report);
    void sent(const Report &report, std::optional<uint> id, const QString &error);
    void fallBack(const Report &report, const QString &why);
    void actionInvoked(uint id, const QString &key);
    void closed(uint id);
    QString keyForId(uint id) const;

    Services m_services;
    std::function<void(const QUrl &)> m_onEjectRequested;
    // One report at a time, so that a card's next report knows the id it replaces.
    std::deque<Report> m_queue;
    bool m_sending = false;
    std::optional<QStringList> m_capabilities;
    bool m_toldNoServer = false;
    QHash<QString, Notice> m_notices;
};
