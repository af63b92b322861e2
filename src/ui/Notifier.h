#pragma once

#include "app/AbstractNotifier.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <memory>

class QWindow;

class Logger;
class MotionPreference;
class NotificationPanel;
class PanelStack;
class RulesProvider;
class TimerScheduler;

/// Reports what Mirvale did with a card in small panels at the top-right corner of the main
/// screen.
class Notifier final : public AbstractNotifier {
public:
    /// The collaborators; all must outlive the notifier.
    struct Services {
        const RulesProvider *rules = nullptr;
        Logger *log = nullptr;
        TimerScheduler *timers = nullptr;
        const MotionPreference *motion = nullptr;
        /// Whether translucent window parts show as such; empty means they do.
        std::function<bool()> seeThroughWorks;
        /// Panels bypass the window manager: on XWayland the compositor places the windows it
        /// manages itself, and only an unmanaged window stays where it is put.
        bool bypassWindowManager = false;
        /// Tells the desktop a panel is a notification that stays out of task lists and pagers;
        /// empty where there is nothing to tell.
        std::function<void(QWindow *)> markAsNotification;
    };

    explicit Notifier(Services services);
    ~Notifier() override;

    void setup() override;
    void setOnEjectRequested(std::function<void(const QUrl &)> callback) override;
    void cardOpened(
        const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount) override;
    void cardProblem(const MountedCard &card, const UserText &message) override;

private:
    void followScreens();

    Services m_services;
    std::function<void(const QUrl &)> m_onEjectRequested;
    std::unique_ptr<PanelStack> m_stack;
    // Windows are deleted on a later turn of the loop; the ones still waiting when the
    // notifier goes are deleted with it.
    QList<QPointer<NotificationPanel>> m_windows;
    // The context of the screen connections, so they end with the notifier.
    QObject m_screenWatch;
};
