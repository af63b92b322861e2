#pragma once

#include "app/CardUnmounter.h"
#include "detection/MountedCard.h"
#include "detection/VolumeWatcherLimits.h"
#include "detection/VolumeWatching.h"
#include "platform/EntryAttributeSource.h"
#include "platform/ScreenSnapshot.h"
#include "rules/Rule.h"
#include "support/MirvaleError.h"
#include "support/TimerScheduler.h"
#include "targets/ResolvedTarget.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <memory>
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
class CutOffLogger;
class ScreenSource;
struct ResolvedTarget;

/// Carries each mounted card from detection to an opened file-manager window, one card at a
/// time, and reports every outcome exactly once. A small state machine on the main thread:
/// cards wait in a queue; the one being opened has its reads on the card-read pool, watched by
/// a timer, and then the file manager's answer, waited for at most the pipeline release.
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
        /// How long a read of the card (matching, resolving, counting) may go without making
        /// progress before the card is given up as not answering.
        std::chrono::milliseconds readLimit = VolumeWatcherLimits::kReadLimit;
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
        /// Counts the regular files of a folder for the success panel, through `files` (on the
        /// card-read pool).
        std::function<int(const QString &folder, const EntryAttributeSource &files)> fileCount;
        /// Whether a card is still mounted where it was found (any thread); empty: always.
        std::function<bool(const MountedCard &card)> isStillMounted;
        /// Closes Mirvale's file manager windows on the card at `cardPath` (or takes them off
        /// it through the file manager), then calls `then` on the main thread; may be empty.
        std::function<void(const QString &cardPath, std::function<void()> then)> closeCardWindows;
        /// Timers for the pipeline's limits and for trying a busy unmount again; without them,
        /// the event loop's own (and a busy unmount is not tried again).
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

    /// Runs one card through the pipeline, after the cards handed over before it.
    /// `outcome`, when given, hears once whether the card was opened.
    void handle(const MountedCard &card, bool ignorePause, VolumeWatching::RequestCompletion outcome = {});

    /// The cached screen arrangement.
    ScreenSnapshot currentScreens();

    VolumeWatching &volumeWatcher() { return *m_volumeWatcher; }
    RulesProvider &rules() { return *m_services.rules; }
    /// The settings window, built on first use; null when the wiring gives none.
    AbstractSettingsWindow *settingsWindow();
    AbstractStatusMenu *statusMenu() { return m_statusMenu.get(); }

    // What the user asks for, from the menu, the panels, the settings window and the control
    // interface.

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
    struct ReportGuard {
        bool reported = false;
        bool late = false;
    };

    /// A card waiting for its turn in the pipeline.
    struct Queued {
        MountedCard card;
        bool paused = false;
        bool userAsked = false;
        RuleList rules;
        /// Opens this rule without matching (testing a rule from the settings window).
        std::optional<Rule> forcedRule;
        ScreenSnapshot screens;
        VolumeWatching::RequestCompletion tell;
    };

    /// The card that holds the pipeline; `id` tells its answers from those of cards given up.
    struct Current {
        quint64 id = 0;
        Queued queued;
        std::unique_ptr<TimerScheduler::Timer> timer;
    };

    /// What the reads of a card found.
    struct CardRead {
        enum class Found { Removed, NoRule, Resolved };
        Found found = Found::Removed;
        std::optional<Rule> rule;
        std::optional<ResolvedTarget> target;
    };

    /// A card whose reads stalled and stepped aside, then answered after all.
    struct Resumed {
        quint64 id = 0;
        Queued queued;
        CardRead read;
    };

    /// A read of a card in flight on the card-read pool, with its watchdog.
    struct Read {
        MountedCard card;
        std::shared_ptr<std::atomic<quint64>> counter;
        quint64 lastSeen = 0;
        std::chrono::milliseconds stalledFor { 0 };
        std::shared_ptr<CutOffLogger> log;
        std::unique_ptr<TimerScheduler::Timer> watchdog;
        /// Called at each look that found no progress since the one before.
        std::function<void()> onStalled;
        std::function<void()> onGivenUp;
    };

    /// Forwards the watcher's mount callback once the coordinator is ready for it.
    struct MountRelay {
        VolumeWatching::MountCallback onMount;
    };

    /// Calls `outcome` (when given) once; the caller is on the main thread.
    static VolumeWatching::RequestCompletion orNothing(VolumeWatching::RequestCompletion outcome);
    /// Ejects the mounted card at `volume`; a panel's Unmount button.
    void ejectByURL(const QUrl &volume);
    void enqueue(Queued queued);
    /// Takes the next card when none holds the pipeline.
    void advance();
    void onRead(quint64 id, const CardRead &read);
    void openInFileManager(quint64 id, const Rule &rule, const ResolvedTarget &target);
    /// Lets the next card in; a no-op for an id that no longer holds the pipeline.
    void release(quint64 id);
    /// A card whose reads stalled lets the cards waiting behind it go first.
    void stepAside(quint64 id);
    /// Runs `work` on the card-read pool with a watchdog; when it stops making progress for the
    /// read limit, the card is given up once and `done` is never called.
    template <typename Result>
    void readCard(const MountedCard &card,
        std::function<Result(const EntryAttributeSource &files, Logger &log)> work,
        std::function<void(Result)> done, std::function<void()> onStalled, std::function<void()> onGivenUp);
    void watch(quint64 readId);
    void giveUp(const MountedCard &card);
    void completeRequest(const ResolvedTarget &target, const std::shared_ptr<ReportGuard> &guard,
        const std::optional<MirvaleError> &error);
    void handleOpenSuccess(const ResolvedTarget &target);
    void observeScreenChanges();
    void observeSaveFailures();
    void observeCardsNotAnswering();
    void refreshScreens();
    TimerScheduler &timers();

    Services m_services;
    Limits m_limits;
    std::unique_ptr<TimerScheduler> m_ownTimers;
    std::shared_ptr<MountRelay> m_mountRelay;
    std::unique_ptr<VolumeWatching> m_volumeWatcher;
    std::unique_ptr<AbstractStatusMenu> m_statusMenu;
    std::unique_ptr<AbstractSettingsWindow> m_settingsWindow;
    std::unique_ptr<CardUnmounter> m_unmounter;
    QSet<QString> m_pendingUserOpenNames;
    // Who waits for the outcome of a user's open that waits for its mount, by lower-case name.
    QHash<QString, VolumeWatching::RequestCompletion> m_pendingOutcomes;
    std::optional<ScreenSnapshot> m_cachedScreens;

    std::deque<Queued> m_waiting;
    std::optional<Current> m_current;
    // Cards whose reads stalled while others waited, by id; and those of them that answered
    // after all, to be opened next.
    std::map<quint64, Queued> m_aside;
    std::deque<Resumed> m_resumed;
    quint64 m_nextId = 0;
    std::map<quint64, Read> m_reads;
    // Mount paths of cards given up as not answering, until they are mounted again.
    QSet<QString> m_givenUp;
};
