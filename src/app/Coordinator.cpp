#include "app/Coordinator.h"

#include "app/AbstractNotifier.h"
#include "app/AbstractSettingsWindow.h"
#include "app/AbstractStatusMenu.h"
#include "filemanager/FileManagerService.h"
#include "filemanager/MouseWarp.h"
#include "filemanager/ShowFolderArguments.h"
#include "platform/ScreenSource.h"
#include "rules/RulesProvider.h"
#include "support/CutOffLogger.h"
#include "support/DurationText.h"
#include "support/LogCategories.h"
#include "support/Logger.h"
#include "support/MainLoopTimers.h"
#include "support/MirvaleError.h"
#include "support/ShownText.h"
#include "support/UserText.h"
#include "support/Workers.h"
#include "targets/CountedEntryReads.h"
#include "targets/TargetResolver.h"

#include <QCoreApplication>
#include <QPointer>

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

UserText notAnsweringText(const MountedCard &card)
{
    //: %1 is the card's name.
    return UserText::translate("Coordinator", "%1 does not answer: pull it out and insert it again")
        .arg(card.name);
}

} // namespace

VolumeWatching::RequestCompletion Coordinator::orNothing(VolumeWatching::RequestCompletion outcome)
{
    return [outcome](const std::optional<MirvaleError> &error) {
        if (outcome)
            outcome(error);
    };
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
{
    if (!m_services.timers) {
        m_ownTimers = std::make_unique<MainLoopTimers>();
        m_services.timers = m_ownTimers.get();
    }
    // The watcher is built before the coordinator is ready to take cards; the relay drops
    // anything that arrives in between.
    std::weak_ptr<MountRelay> relay = m_mountRelay;
    m_volumeWatcher = m_services.makeVolumeWatcher([relay](const MountedCard &card) {
        if (auto strong = relay.lock(); strong && strong->onMount)
            strong->onMount(card);
    });
    m_mountRelay->onMount = [self = QPointer<Coordinator>(this)](const MountedCard &card) {
        if (!self)
            return;
        // Mounted again: a card given up earlier is read afresh.
        self->m_givenUp.remove(card.url.toLocalFile());
        self->handle(card, false);
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
    m_unmounter.reset();
    m_mountRelay->onMount = nullptr;
    // Reads still running (a card that hangs) finish on their own and find nobody to tell;
    // their log lines are dropped from here on. Quitting never waits for them.
    for (const auto &[id, read] : m_reads)
        read.log->cutOff();
    m_reads.clear();
    m_current.reset();
    m_volumeWatcher.reset();
}

void Coordinator::start()
{
    m_services.rules->load();
    m_services.notifier->setup();
    observeScreenChanges();
    observeSaveFailures();
    observeCardsNotAnswering();

    m_services.notifier->setOnEjectRequested([self = QPointer<Coordinator>(this)](const QUrl &volume) {
        if (self)
            self->ejectByURL(volume);
    });

    if (m_services.makeStatusMenu)
        m_statusMenu = m_services.makeStatusMenu(*this);
    m_volumeWatcher->start();
    m_services.log->info(QStringLiteral("Coordinator started"));
    if (m_services.refreshAutostartStatus)
        m_services.refreshAutostartStatus();

    Logger *log = m_services.log;
    FileManagerService *fileManager = m_services.fileManager;
    m_services.fileManager->checkFileManager([log, self = QPointer<Coordinator>(this), fileManager](
                                                 bool granted) {
        if (!self)
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
    m_volumeWatcher->scanExistingAsync([self = QPointer<Coordinator>(this)](const QList<MountedCard> &cards) {
        if (!self)
            return;
        self->m_volumeWatcher->noteHandledAtLaunch(cards);
        for (const MountedCard &card : cards)
            self->handle(card, false);
    });
}

void Coordinator::handle(const MountedCard &card, bool ignorePause, VolumeWatching::RequestCompletion outcome)
{
    const QString lowerName = card.name.toLower();
    const bool userAsked = ignorePause || m_pendingUserOpenNames.remove(lowerName);
    if (const VolumeWatching::RequestCompletion waiting = m_pendingOutcomes.take(lowerName); !outcome)
        outcome = waiting;
    Queued queued;
    queued.card = card;
    queued.paused = m_services.rules->settings().paused;
    queued.userAsked = userAsked;
    queued.rules = m_services.rules->rules();
    queued.screens = currentScreens();
    queued.tell = orNothing(std::move(outcome));
    enqueue(std::move(queued));
}

void Coordinator::enqueue(Queued queued)
{
    m_waiting.push_back(std::move(queued));
    advance();
}

TimerScheduler &Coordinator::timers()
{
    return *m_services.timers;
}

void Coordinator::advance()
{
    if (!m_current && !m_resumed.empty()) {
        Resumed resumed = std::move(m_resumed.front());
        m_resumed.pop_front();
        m_current = Current { resumed.id, std::move(resumed.queued), nullptr };
        onRead(resumed.id, resumed.read);
        return;
    }
    while (!m_current && !m_waiting.empty()) {
        Queued next = std::move(m_waiting.front());
        m_waiting.pop_front();
        const MountedCard &card = next.card;
        if (next.paused && !next.userAsked) {
            m_services.log->info(card.name + QStringLiteral(": watching is paused, ignoring"));
            continue;
        }
        if (m_givenUp.contains(card.url.toLocalFile())) {
            m_services.log->info(card.name
                + QStringLiteral(": given up as not answering; not read again until it is inserted again"));
            if (next.userAsked)
                m_services.notifier->cardProblem(card, notAnsweringText(card));
            next.tell(MirvaleError::diskError(notAnsweringText(card)));
            continue;
        }
        const quint64 id = ++m_nextId;
        qCDebug(lcApp) << "pipeline: reading" << next.card.name << "with" << m_waiting.size() << "waiting";
        m_current = Current { id, std::move(next), nullptr };
        const Queued &current = m_current->queued;
        const MountedCard &reading = current.card;
        const std::function<bool(const MountedCard &)> isStillMounted = m_services.isStillMounted;
        const auto stillThere = [isStillMounted](const MountedCard &read, Logger &log) {
            if (!isStillMounted || isStillMounted(read))
                return true;
            log.info(read.name + QStringLiteral(": removed before it could be opened"));
            return false;
        };
        readCard<CardRead>(
            reading,
            [card = reading, stillThere, rules = current.rules, forced = current.forcedRule](
                const EntryAttributeSource &files, Logger &log) {
                CardRead read;
                if (!stillThere(card, log))
                    return read;
                read.rule = forced ? forced : TargetResolver::firstMatch(rules, card, files, &log);
                if (!read.rule) {
                    // Pulled while its rules were being matched, or no rule for it.
                    read.found = stillThere(card, log) ? CardRead::Found::NoRule : CardRead::Found::Removed;
                    return read;
                }
                read.target = TargetResolver::resolve(*read.rule, card, log, files);
                // Resolving can take a while on a large card; it may have been pulled meanwhile.
                read.found = stillThere(card, log) ? CardRead::Found::Resolved : CardRead::Found::Removed;
                return read;
            },
            [this, id](const CardRead &read) {
                if (auto aside = m_aside.find(id); aside != m_aside.end()) {
                    m_resumed.push_back({ id, std::move(aside->second), read });
                    m_aside.erase(aside);
                    advance();
                    return;
                }
                onRead(id, read);
            },
            [this, id] { stepAside(id); },
            [this, id] {
                if (auto aside = m_aside.find(id); aside != m_aside.end()) {
                    aside->second.tell(MirvaleError::diskError(notAnsweringText(aside->second.card)));
                    m_aside.erase(aside);
                } else if (m_current && m_current->id == id) {
                    m_current->queued.tell(MirvaleError::diskError(notAnsweringText(m_current->queued.card)));
                    release(id);
                }
            });
        return;
    }
}

void Coordinator::onRead(quint64 id, const CardRead &read)
{
    if (!m_current || m_current->id != id)
        return;
    const Queued &current = m_current->queued;
    const MountedCard &card = current.card;
    switch (read.found) {
    case CardRead::Found::Removed:
        current.tell(removedError(card));
        release(id);
        return;
    case CardRead::Found::NoRule:
        m_services.log->info(QStringLiteral("no rule for ") + card.name);
        if (current.userAsked)
            m_services.notifier->cardProblem(card, MirvaleError::noMatchingRule().text());
        current.tell(MirvaleError::noMatchingRule());
        release(id);
        return;
    case CardRead::Found::Resolved:
        openInFileManager(id, *read.rule, *read.target);
        return;
    }
}

void Coordinator::openInFileManager(quint64 id, const Rule &rule, const ResolvedTarget &target)
{
    const Queued &current = m_current->queued;
    const MountedCard &card = current.card;
    m_services.log->info(card.name + QStringLiteral(": opening ") + pathOrRoot(target.relativePath));

    std::optional<Placement> placement = rule.placement;
    if (placement)
        placement = ShowFolderArguments::clamp(*placement, current.screens);

    auto guard = std::make_shared<ReportGuard>();
    // The file manager has the pipeline release to answer; past it the next card goes ahead,
    // and the late answer is still reported once.
    m_current->timer = timers().start(m_limits.pipelineRelease, [this, id, guard, name = card.name] {
        guard->late = true;
        m_services.log->warn(name + QStringLiteral(": releasing the pipeline after ")
            + DurationText::seconds(m_limits.pipelineRelease)
            + QStringLiteral(
                "; the file manager controller still has this request and will report its own outcome"));
        release(id);
    });
    m_services.fileManager->open(target.folder, placement, rule.bringToFront, target.newestFile,
        [self = QPointer<Coordinator>(this), id, target, guard, tell = current.tell](
            std::optional<MirvaleError> error) {
            if (self) {
                self->completeRequest(target, guard, error);
                self->release(id);
            }
            tell(error);
        });
}

void Coordinator::stepAside(quint64 id)
{
    if (!m_current || m_current->id != id || m_waiting.empty())
        return;
    m_services.log->info(m_current->queued.card.name
        + QStringLiteral(": not answering for now; the cards waiting behind it go first"));
    m_aside.emplace(id, std::move(m_current->queued));
    m_current.reset();
    advance();
}

void Coordinator::release(quint64 id)
{
    if (!m_current || m_current->id != id)
        return;
    qCDebug(lcApp) << "pipeline: released by" << m_current->queued.card.name;
    m_current.reset();
    // On a later turn of the loop: the caller may be inside a timer or a completion that
    // belongs to the card just released.
    QMetaObject::invokeMethod(this, &Coordinator::advance, Qt::QueuedConnection);
}

template <typename Result>
void Coordinator::readCard(const MountedCard &card,
    std::function<Result(const EntryAttributeSource &files, Logger &log)> work,
    std::function<void(Result)> done, std::function<void()> onStalled, std::function<void()> onGivenUp)
{
    const quint64 readId = ++m_nextId;
    Read read;
    read.card = card;
    read.onStalled = std::move(onStalled);
    read.counter = std::make_shared<std::atomic<quint64>>(0);
    read.log = std::make_shared<CutOffLogger>(*m_services.log);
    read.onGivenUp = std::move(onGivenUp);
    const EntryAttributeSource *files = m_services.files;
    Workers::run(
        Workers::cardReads(), this,
        [work = std::move(work), files, counter = read.counter, log = read.log] {
            const CountedEntryReads counted(*files, counter);
            return work(counted, *log);
        },
        [this, readId, done = std::move(done)](Result result) {
            // A card given up is not opened or reported when it answers after all.
            if (m_reads.erase(readId) == 0)
                return;
            done(std::move(result));
        });
    m_reads.emplace(readId, std::move(read));
    watch(readId);
}

void Coordinator::watch(quint64 readId)
{
    // Looked at five times per read limit: a card whose reads stall steps aside quickly for the
    // cards behind it, and is given up once it made no progress for the whole limit.
    const std::chrono::milliseconds look = std::max(m_limits.readLimit / 5, std::chrono::milliseconds(1));
    m_reads[readId].watchdog = timers().start(look, [this, readId, look] {
        auto found = m_reads.find(readId);
        if (found == m_reads.end())
            return;
        Read &read = found->second;
        const quint64 seen = read.counter->load();
        if (seen != read.lastSeen) {
            read.lastSeen = seen;
            read.stalledFor = std::chrono::milliseconds(0);
            watch(readId);
            return;
        }
        read.stalledFor += look;
        if (read.stalledFor < m_limits.readLimit) {
            watch(readId);
            if (read.onStalled)
                read.onStalled();
            return;
        }
        Read given = std::move(read);
        m_reads.erase(found);
        given.log->cutOff();
        if (!m_givenUp.contains(given.card.url.toLocalFile()))
            giveUp(given.card);
        if (given.onGivenUp)
            given.onGivenUp();
    });
}

void Coordinator::giveUp(const MountedCard &card)
{
    const QString path = card.url.toLocalFile();
    m_givenUp.insert(path);
    m_services.log->warn(card.name + QStringLiteral(" does not answer at ") + path
        + QStringLiteral("; given up until it is inserted again"));
    m_services.notifier->cardProblem(card, notAnsweringText(card));
}

void Coordinator::completeRequest(const ResolvedTarget &target, const std::shared_ptr<ReportGuard> &guard,
    const std::optional<MirvaleError> &error)
{
    Logger *log = m_services.log;
    const QString &name = target.card.name;
    const bool firstOutcome = !guard->reported;
    guard->reported = true;
    const bool isLate = guard->late;

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
    readCard<int>(
        target.card,
        [fileCount = m_services.fileCount, folder = target.folder.toLocalFile()](
            const EntryAttributeSource &files, Logger &) { return fileCount ? fileCount(folder, files) : 0; },
        [notifier, target](int count) { notifier->cardOpened(target.card, target, count); }, {}, {});
}

ScreenSnapshot Coordinator::currentScreens()
{
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
    m_volumeWatcher->observeCardsNotAnswering(this, [this](const MountedCard &card) { giveUp(card); });
}

AbstractSettingsWindow *Coordinator::settingsWindow()
{
    if (!m_settingsWindow && m_services.makeSettingsWindow)
        m_settingsWindow = m_services.makeSettingsWindow(*this);
    return m_settingsWindow.get();
}
