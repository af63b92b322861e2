#include "app/Coordinator.h"

#include "app/AbstractNotifier.h"
#include "app/AbstractSettingsWindow.h"
#include "app/AbstractStatusMenu.h"
#include "filemanager/FileManagerService.h"
#include "filemanager/MouseWarp.h"
#include "filemanager/ShowFolderArguments.h"
#include "platform/ScreenSource.h"
#include "rules/RulesProvider.h"
#include "support/DurationText.h"
#include "support/GlobalQueue.h"
#include "support/Logger.h"
#include "support/MainQueue.h"
#include "support/MirvaleError.h"
#include "support/Semaphore.h"
#include "support/ShownText.h"
#include "support/UserText.h"
#include "targets/TargetResolver.h"

#include <QCoreApplication>

// The card pipeline, from a mounted card to its report; what the user asks for from the menu and
// the control interface is in CoordinatorActions.cpp.

namespace {

MirvaleError removedError(const MountedCard &card)
{
    //: %1 is the card's name.
    return MirvaleError::diskError(
        UserText::translate("Coordinator", "%1 was removed before it could be opened")
            .arg(UserText::verbatim(ShownText::isolated(card.name))));
}

QString pathOrRoot(const QString &relativePath)
{
    return relativePath.isEmpty() ? QStringLiteral("(card root)") : relativePath;
}

} // namespace

VolumeWatching::RequestCompletion Coordinator::onMainThread(VolumeWatching::RequestCompletion outcome)
{
    return [outcome](const std::optional<MirvaleError> &error) {
        if (!outcome)
            return;
        if (MainQueue::isMainThread())
            outcome(error);
        else
            MainQueue::async([outcome, error] { outcome(error); });
    };
}

bool Coordinator::ReportGuard::markReported()
{
    std::lock_guard lock(m_lock);
    const bool first = !m_reported;
    m_reported = true;
    return first;
}

void Coordinator::ReportGuard::markLate()
{
    std::lock_guard lock(m_lock);
    m_isLate = true;
}

bool Coordinator::ReportGuard::isLate()
{
    std::lock_guard lock(m_lock);
    return m_isLate;
}

Coordinator::Coordinator(Services services, QObject *parent)
    : Coordinator(std::move(services), Limits(), parent)
{
}

Coordinator::Coordinator(Services services, Limits limits, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_limits(limits)
    , m_mountRelay(std::make_shared<MountRelay>())
    , m_pipelineQueue(std::make_unique<SerialQueue>(QStringLiteral("io.github.mirvale.coordinator.pipeline")))
{
    // The watcher is built before the coordinator is ready to take cards; the relay drops
    // anything that arrives in between.
    std::weak_ptr<MountRelay> relay = m_mountRelay;
    m_volumeWatcher = m_services.makeVolumeWatcher([relay](const MountedCard &card) {
        if (auto strong = relay.lock(); strong && strong->onMount)
            strong->onMount(card);
    });
    const LifeToken<Coordinator>::Weak alive = m_life;
    m_mountRelay->onMount = [this, alive](const MountedCard &card) {
        if (alive)
            handle(card, false);
    };
    CardUnmounter::Services unmounting;
    unmounting.watcher = m_volumeWatcher.get();
    unmounting.notifier = m_services.notifier;
    unmounting.log = m_services.log;
    unmounting.timers = m_services.timers;
    unmounting.users = m_services.mountUsers;
    unmounting.self = QCoreApplication::applicationPid();
    unmounting.now = m_services.now;
    unmounting.closeCardWindows = m_services.closeCardWindows;
    m_unmounter = std::make_unique<CardUnmounter>(std::move(unmounting),
        CardUnmounter::Limits { m_limits.busyUnmountPatience, m_limits.busyUnmountRetry });
}

Coordinator::~Coordinator()
{
    m_life.end();
    m_unmounter.reset();
    m_mountRelay->onMount = nullptr;
    {
        std::lock_guard lock(m_waitMutex);
        m_shuttingDown = true;
        if (m_currentWait)
            m_currentWait->signal();
    }
    m_pipelineQueue.reset();
    m_volumeWatcher.reset();
}

void Coordinator::start()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    m_services.rules->load();
    m_services.notifier->setup();
    observeScreenChanges();
    observeSaveFailures();
    observeCardsNotAnswering();

    const LifeToken<Coordinator>::Weak alive = m_life;
    m_services.notifier->setOnEjectRequested([this, alive](const QUrl &volume) {
        if (alive)
            ejectByURL(volume);
    });

    if (m_services.makeStatusMenu)
        m_statusMenu = m_services.makeStatusMenu(*this);
    m_volumeWatcher->start();
    m_services.log->info(QStringLiteral("Coordinator started"));
    if (m_services.refreshAutostartStatus)
        m_services.refreshAutostartStatus();

    Logger *log = m_services.log;
    FileManagerService *fileManager = m_services.fileManager;
    m_services.fileManager->checkFileManager([log, alive, fileManager](bool granted) {
        if (!alive)
            return;
        const QString name = fileManager->fileManagerName();
        log->info(granted ? QStringLiteral("A file manager is available")
                    + (name.isEmpty() ? QString() : QStringLiteral(": ") + name)
                          : QStringLiteral("No file manager is available yet (no file manager offers "
                                           "org.freedesktop.FileManager1 on this desktop session; install "
                                           "or start one that does)"));
    });

    if (!m_services.rules->settings().handleCardsPresentAtLaunch)
        return;
    m_volumeWatcher->scanExistingAsync([this, alive](const QList<MountedCard> &cards) {
        if (!alive)
            return;
        m_volumeWatcher->noteHandledAtLaunch(cards);
        for (const MountedCard &card : cards)
            handle(card, false);
    });
}

void Coordinator::handle(const MountedCard &card, bool ignorePause, VolumeWatching::RequestCompletion outcome)
{
    MIRVALE_ASSERT_MAIN_THREAD();
    const AppSettings settings = m_services.rules->settings();
    const RuleList rules = m_services.rules->rules();
    const ScreenSnapshot screens = currentScreens();
    const QString lowerName = card.name.toLower();
    const bool userAsked = ignorePause || m_pendingUserOpenNames.remove(lowerName);
    if (const VolumeWatching::RequestCompletion waiting = m_pendingOutcomes.take(lowerName); !outcome)
        outcome = waiting;
    const VolumeWatching::RequestCompletion tell = onMainThread(outcome);

    Logger *log = m_services.log;
    AbstractNotifier *notifier = m_services.notifier;
    const EntryAttributeSource *files = m_services.files;
    const bool paused = settings.paused;
    // The queue is destroyed (and its thread joined) before the coordinator's other fields,
    // so `this` is valid for as long as any block runs.
    m_pipelineQueue->async([this, log, notifier, files, card, paused, userAsked, rules, screens, tell] {
        if (paused && !userAsked) {
            log->info(card.name + QStringLiteral(": watching is paused, ignoring"));
            return;
        }
        if (!stillThere(card)) {
            tell(removedError(card));
            return;
        }
        const std::optional<Rule> rule = TargetResolver::firstMatch(rules, card, *files, log);
        if (!rule && !stillThere(card)) { // pulled while its rules were being matched
            tell(removedError(card));
            return;
        }
        if (!rule) {
            log->info(QStringLiteral("no rule for ") + card.name);
            if (userAsked)
                notifier->cardProblem(card, MirvaleError::noMatchingRule().text());
            tell(MirvaleError::noMatchingRule());
            return;
        }
        openAndReport(*rule, card, screens, tell);
    });
}

bool Coordinator::stillThere(const MountedCard &card) const
{
    if (!m_services.isStillMounted || m_services.isStillMounted(card))
        return true;
    m_services.log->info(card.name + QStringLiteral(": removed before it could be opened"));
    return false;
}

void Coordinator::openAndReport(const Rule &rule, const MountedCard &card, const ScreenSnapshot &screens,
    const VolumeWatching::RequestCompletion &outcome)
{
    Logger *log = m_services.log;
    const VolumeWatching::RequestCompletion tell = onMainThread(outcome);
    const ResolvedTarget target = TargetResolver::resolve(rule, card, *log, *m_services.files);
    // Resolving can take a while on a large card; it may have been pulled meanwhile.
    if (!stillThere(card)) {
        tell(removedError(card));
        return;
    }
    log->info(card.name + QStringLiteral(": opening ") + pathOrRoot(target.relativePath));

    std::optional<Placement> placement = rule.placement;
    if (placement)
        placement = ShowFolderArguments::clamp(*placement, screens);

    auto finished = std::make_shared<Semaphore>(0);
    auto guard = std::make_shared<ReportGuard>();
    {
        std::lock_guard lock(m_waitMutex);
        if (m_shuttingDown)
            return;
        m_currentWait = finished;
    }

    const LifeToken<Coordinator>::Weak alive = m_life;
    m_services.fileManager->open(target.folder, placement, rule.bringToFront, target.newestFile,
        [this, alive, target, guard, finished, tell](std::optional<MirvaleError> error) {
            // On the main thread; the coordinator may be gone by now.
            if (alive)
                completeRequest(target, guard, error);
            finished->signal();
            tell(error);
        });

    if (!finished->waitFor(m_limits.pipelineRelease)) {
        guard->markLate();
        bool shuttingDown = false;
        {
            std::lock_guard lock(m_waitMutex);
            shuttingDown = m_shuttingDown;
        }
        if (!shuttingDown)
            log->warn(card.name + QStringLiteral(": releasing the pipeline after ")
                + DurationText::seconds(m_limits.pipelineRelease)
                + QStringLiteral(
                    "; the file manager controller still has this request and will report its own outcome"));
    }
    std::lock_guard lock(m_waitMutex);
    if (m_currentWait == finished)
        m_currentWait.reset();
}

void Coordinator::completeRequest(const ResolvedTarget &target, const std::shared_ptr<ReportGuard> &guard,
    const std::optional<MirvaleError> &error)
{
    MIRVALE_ASSERT_MAIN_THREAD();
    Logger *log = m_services.log;
    const QString &name = target.card.name;
    const bool firstOutcome = guard->markReported();
    const bool isLate = guard->isLate();

    if (error) {
        QString line = name + QStringLiteral(": failed to open ") + pathOrRoot(target.relativePath)
            + QStringLiteral(" \u2014 ") + error->englishDescription();
        if (isLate)
            line += QStringLiteral(" (after the pipeline had already been released)");
        log->error(line);
        if (firstOutcome)
            m_services.notifier->cardProblem(target.card, error->text());
        return;
    }

    if (isLate)
        log->info(name + QStringLiteral(": the file manager answered after the pipeline released at ")
            + DurationText::seconds(m_limits.pipelineRelease)
            + QStringLiteral("; reporting the window it opened"));
    if (firstOutcome)
        handleOpenSuccess(target);
    else
        log->info(name
            + QStringLiteral(": the file manager answered but this card was already reported; "
                             "not reporting twice"));
}

void Coordinator::handleOpenSuccess(const ResolvedTarget &target)
{
    MIRVALE_ASSERT_MAIN_THREAD();
    Logger *log = m_services.log;
    const QString &name = target.card.name;
    log->info(name + QStringLiteral(": opened ") + pathOrRoot(target.relativePath));

    if (target.rule.extras.mouseWarp && m_services.pointer)
        MouseWarp::warp(*target.rule.extras.mouseWarp, *m_services.pointer, *log);

    if (target.usedFallbackToRoot && target.note) {
        log->warn(name + QStringLiteral(": ") + target.englishNote.value_or(*target.note));
        m_services.notifier->cardProblem(
            target.card, UserText::of(*target.note, target.englishNote.value_or(*target.note)));
    }

    AbstractNotifier *notifier = m_services.notifier;
    if (!m_services.rules->settings().showNotifications) {
        notifier->cardOpened(target.card, target, std::nullopt);
        return;
    }
    auto fileCount = m_services.fileCount;
    const QString folder = target.folder.toLocalFile();
    const LifeToken<Coordinator>::Weak alive = m_life;
    GlobalQueue::async([fileCount, folder, target, notifier, alive] {
        const int count = fileCount ? fileCount(folder) : 0;
        MainQueue::async([target, notifier, alive, count] {
            if (alive)
                notifier->cardOpened(target.card, target, count);
        });
    });
}

ScreenSnapshot Coordinator::currentScreens()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    if (!m_cachedScreens)
        refreshScreens();
    return *m_cachedScreens;
}

void Coordinator::refreshScreens()
{
    m_cachedScreens = m_services.screens ? m_services.screens->capture() : ScreenSnapshot {};
}

void Coordinator::observeScreenChanges()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    refreshScreens();
    if (!m_services.screens)
        return;
    connect(m_services.screens, &ScreenSource::screensChanged, this, [this] {
        refreshScreens();
        m_services.log->info(
            QStringLiteral("Coordinator: screen arrangement changed, placement snapshot refreshed"));
    });
    connect(m_services.screens, &ScreenSource::applicationActivated, this, [this] { refreshScreens(); });
}

void Coordinator::observeSaveFailures()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    connect(m_services.rules, &RulesProvider::settingsSaveFailed, this, [this](const QString &message) {
        const UserText reason = message.isEmpty() ? UserText::translate("Coordinator", "unknown error")
                                                  : UserText::verbatim(message);
        MountedCard settingsCard;
        settingsCard.url = QUrl::fromLocalFile(QStringLiteral("/"));
        settingsCard.name = tr("Mirvale settings");
        //: %1 is the reason, such as the file system's message.
        m_services.notifier->cardProblem(settingsCard,
            UserText::translate("Coordinator", "Your change could not be saved: %1").arg(reason));
    });
}

void Coordinator::observeCardsNotAnswering()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    m_volumeWatcher->observeCardsNotAnswering(this, [this](const MountedCard &card) {
        m_services.log->warn(card.name + QStringLiteral(" does not answer at ") + card.url.toLocalFile()
            + QStringLiteral("; given up until it is inserted again"));
        //: %1 is the card's name.
        m_services.notifier->cardProblem(card,
            UserText::translate("Coordinator", "%1 does not answer: pull it out and insert it again")
                .arg(card.name));
    });
}

AbstractSettingsWindow *Coordinator::settingsWindow()
{
    MIRVALE_ASSERT_MAIN_THREAD();
    if (!m_settingsWindow && m_services.makeSettingsWindow)
        m_settingsWindow = m_services.makeSettingsWindow(*this);
    return m_settingsWindow.get();
}
