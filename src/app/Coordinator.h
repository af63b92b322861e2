#pragma once

#include "app/CardUnmounter.h"
#include "detection/MountedCard.h"
#include "detection/VolumeWatching.h"
#include "platform/ScreenSnapshot.h"
#include "rules/Rule.h"
#include "support/LifeToken.h"
#include "support/MirvaleError.h"
#include "support/SerialQueue.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class AbstractNotifier;
class AbstractSettingsWindow;
class AbstractStatusMenu;
class EntryAttributeSource;
class FileManagerService;
class Logger;
class MountUsers;
class PointerControl;
class RulesProvider;
class ScreenSource;
class Semaphore;
struct ResolvedTarget;

/// Carries each mounted card from detection to an opened file-manager window, one card at a
/// time, and reports every outcome exactly once.
class Coordinator : public QObject {
    Q_OBJECT
public:
    /// How long one card may hold the pipeline while the file manager has not answered.
    static constexpr std::chrono::milliseconds kPipelineRelease { 45'000 };

    struct Limits {
        std::chrono::milliseconds pipelineRelease = kPipelineRelease;
        /// How long and how often an unmount the card's users refuse is tried again.
        std::chrono::milliseconds busyUnmountPatience = CardUnmounter::kBusyPatience;
        std::chrono::milliseconds busyUnmountRetry = CardUnmounter::kBusyRetry;
    };

    /// The collaborators; all must outlive the Coordinator. The optional ones may be empty.
    struct Services {
        RulesProvider *rules = nullptr;
        FileManagerService *fileManager = nullptr;
        AbstractNotifier *notifier = nullptr;
        ScreenSource *screens = nullptr;
        PointerControl *pointer = nullptr;
        Logger *log = nullptr;
        /// The cards' file system, for matching and resolving.
        const EntryAttributeSource *files = nullptr;
        VolumeWatcherFactory makeVolumeWatcher;
        /// Builds the status menu for this coordinator at start; may be empty.
        std::function<std::unique_ptr<AbstractStatusMenu>(Coordinator &)> makeStatusMenu;
        /// Builds the settings window on first use; may be empty.
        std::function<std::unique_ptr<AbstractSettingsWindow>(Coordinator &)> makeSettingsWindow;
        /// Re-reads the launch-at-login status in the background.
        std::function<void()> refreshAutostartStatus;
        /// Counts the regular files of a folder for the success panel (off the main thread).
        std::function<int(const QString &folder)> fileCount;
        /// Whether a card is still mounted where it was found (any thread); empty: always.
        std::function<bool(const MountedCard &card)> isStillMounted;
        /// Closes Mirvale's file manager windows on the card at `cardPath` (or takes them off
        /// it through the file manager), then calls `then` on the main thread; may be empty.
        std::function<void(const QString &cardPath, std::function<void()> then)> closeCardWindows;
        /// Main-thread timers for trying a busy unmount again; without them it is not.
        TimerScheduler *timers = nullptr;
        /// Who keeps a busy card busy; may be empty.
        std::shared_ptr<MountUsers> mountUsers;
        /// The time; empty: the steady clock.
        std::function<std::chrono::steady_clock::time_point()> now;
    };

    explicit Coordinator(Services services, QObject *parent = nullptr);
    Coordinator(Services services, Limits limits, QObject *parent = nullptr);
    ~Coordinator() override;

    void start();

    /// Runs one card through the pipeline. Main thread only.
    /// `outcome`, when given, hears once whether the card was opened (on the main thread).
    void handle(const MountedCard &card, bool ignorePause, VolumeWatching::RequestCompletion outcome = {});

    /// False, with a log line, for a card pulled while it waited. Runs on the pipeline queue.
    bool stillThere(const MountedCard &card) const;

    /// Opens one rule on one card and reports the outcome. Runs on the pipeline queue.
    void openAndReport(const Rule &rule, const MountedCard &card, const ScreenSnapshot &screens,
        const VolumeWatching::RequestCompletion &outcome = {});

    /// The cached screen arrangement. Main thread only.
    ScreenSnapshot currentScreens();

    VolumeWatching &volumeWatcher() { return *m_volumeWatcher; }
    RulesProvider &rules() { return *m_services.rules; }
    /// The settings window, built on first use; null when the wiring gives none. Main thread.
    AbstractSettingsWindow *settingsWindow();
    AbstractStatusMenu *statusMenu() { return m_statusMenu.get(); }

    // What the user asks for, from the menu, the panels, the settings window and the control
    // interface. Main thread only.

    /// Opens the clicked card, mounting it first when it is not mounted. `onMounted`, when
    /// given, hears once whether the card is mounted and on its way to be opened.
    /// `outcome` hears once whether the card was opened: after the file manager answered, or
    /// why it was not (mount failed, no rule, removed, the file manager failed).
    void cardClicked(const DetectedCard &card, VolumeWatching::RequestCompletion outcome = {});
    /// Opens `rule` on `card`, ignoring pause and matching.
    void test(const Rule &rule, const MountedCard &card);
    /// Shows the settings window, on the next turn of the event loop.
    void showSettings(bool revealExtras);
    /// Flips the paused setting.
    void togglePause();
    /// Sets the paused setting, whatever it was.
    void setPaused(bool paused);
    /// Asks the watcher to unmount the card; `onDone`, when given, hears the outcome once.
    void eject(const MountedCard &card, VolumeWatching::RequestCompletion onDone = {});
    /// The names of cards being mounted because the user asked to open them, lower-cased.
    const QSet<QString> &pendingUserOpenNames() const { return m_pendingUserOpenNames; }

private:
    /// One per file-manager request: makes the report happen once, whether early or late.
    class ReportGuard {
    public:
        /// Marks the request reported; true the first time only.
        bool markReported();
        void markLate();
        bool isLate();

    private:
        std::mutex m_lock;
        bool m_reported = false;
        bool m_isLate = false;
    };

    /// Forwards the watcher's mount callback once the coordinator is ready for it.
    struct MountRelay {
        VolumeWatching::MountCallback onMount;
    };

    /// Calls `outcome` on the main thread (at once when already there); does nothing when empty.
    static VolumeWatching::RequestCompletion onMainThread(VolumeWatching::RequestCompletion outcome);
    /// Ejects the mounted card at `volume`; a panel's Unmount button.
    void ejectByURL(const QUrl &volume);
    void completeRequest(const ResolvedTarget &target, const std::shared_ptr<ReportGuard> &guard,
        const std::optional<MirvaleError> &error);
    void handleOpenSuccess(const ResolvedTarget &target);
    void observeScreenChanges();
    void observeSaveFailures();
    void observeCardsNotAnswering();
    void refreshScreens();

    Services m_services;
    Limits m_limits;
    std::shared_ptr<MountRelay> m_mountRelay;
    std::unique_ptr<VolumeWatching> m_volumeWatcher;
    std::unique_ptr<AbstractStatusMenu> m_statusMenu;
    std::unique_ptr<AbstractSettingsWindow> m_settingsWindow;
    std::unique_ptr<CardUnmounter> m_unmounter;
    QSet<QString> m_pendingUserOpenNames;
    // Who waits for the outcome of a user's open that waits for its mount, by lower-case name.
    QHash<QString, VolumeWatching::RequestCompletion> m_pendingOutcomes;
    std::optional<ScreenSnapshot> m_cachedScreens;

    // Ended on the main thread when the coordinator goes away; asked on the main thread by
    // completions that may outlive it.
    LifeToken<Coordinator> m_life { this };

    // The wait the pipeline is in, so that tear-down can cut it short.
    std::mutex m_waitMutex;
    std::shared_ptr<Semaphore> m_currentWait;
    bool m_shuttingDown = false;

    // Last: destroyed first, so its thread stops while the fields above still exist.
    std::unique_ptr<SerialQueue> m_pipelineQueue;
};
