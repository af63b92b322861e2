#include "app/CardUnmounter.h"

#include "app/AbstractNotifier.h"
#include "app/CardHolderNames.h"
#include "platform/MountUsers.h"
#include "support/Logger.h"
#include "support/MirvaleError.h"
#include "support/Workers.h"

#include <QCoreApplication>
#include <QLocale>

CardUnmounter::CardUnmounter(Services services, Limits limits)
    : m_services(std::move(services))
    , m_limits(limits)
{
}

// Waiting requests are dropped: quitting never waits for a busy card.
CardUnmounter::~CardUnmounter() = default;

std::chrono::steady_clock::time_point CardUnmounter::now() const
{
    return m_services.now ? m_services.now() : std::chrono::steady_clock::now();
}

UserText CardUnmounter::busyText(const QStringList &holders, const QString &cardName)
{
    if (holders.size() == 1)
        //: %1: a program ("Dolphin"), %2: the card's name
        return UserText::translate(
            "CardUnmounter", "%1 is using %2: close its window on the card, then Unmount again")
            .args({ holders.constFirst(), cardName });
    //: %1: programs ("Dolphin and Konsole"), %2: the card's name
    return UserText::translate(
        "CardUnmounter", "%1 are using %2: close their windows on the card, then Unmount again")
        .arg(UserText::of(QLocale().createSeparatedList(holders), QLocale::c().createSeparatedList(holders)),
            UserText::verbatim(cardName));
}

void CardUnmounter::unmount(const MountedCard &card, VolumeWatching::RequestCompletion onDone)
{
    const QString key = card.path();
    if (const std::shared_ptr<Attempt> running = m_attempts.value(key)) {
        m_services.log->info(card.name + QStringLiteral(": already being unmounted"));
        if (onDone)
            running->waiting.append(std::move(onDone));
        return;
    }
    auto attempt = std::make_shared<Attempt>();
    attempt->card = card;
    if (onDone)
        attempt->waiting.append(std::move(onDone));
    m_attempts.insert(key, attempt);
    if (!m_services.closeCardWindows) {
        tryUnmount(key);
        return;
    }
    // A file manager window still showing the card keeps it busy: Mirvale's own go first.
    const QPointer<CardUnmounter> alive(this);
    m_services.closeCardWindows(key, [alive, key] {
        if (CardUnmounter *self = alive.data())
            self->tryUnmount(key);
    });
}

void CardUnmounter::tryUnmount(const QString &key)
{
    const std::shared_ptr<Attempt> attempt = m_attempts.value(key);
    if (!attempt)
        return;
    const QPointer<CardUnmounter> alive(this);
    m_services.watcher->eject(attempt->card, [alive, key](const std::optional<MirvaleError> &error) {
        if (CardUnmounter *self = alive.data())
            self->answered(key, error);
    });
}

void CardUnmounter::answered(const QString &key, const std::optional<MirvaleError> &error)
{
    const std::shared_ptr<Attempt> attempt = m_attempts.value(key);
    if (!attempt)
        return;
    if (!error || error->kind() != MirvaleError::Kind::DiskBusy) {
        finish(key, error, error ? error->text() : UserText());
        return;
    }
    if (!attempt->refused) {
        attempt->refused = true;
        attempt->firstRefusal = now();
        m_services.log->info(
            attempt->card.name + QStringLiteral(": busy, trying again while the programs using it let go"));
    }
    if (!m_services.timers || now() - attempt->firstRefusal >= m_limits.busyPatience) {
        reportHolders(key, *error);
        return;
    }
    const QPointer<CardUnmounter> alive(this);
    attempt->retry = m_services.timers->start(m_limits.busyRetry, [alive, key] {
        if (CardUnmounter *self = alive.data())
            self->tryUnmount(key);
    });
}

void CardUnmounter::reportHolders(const QString &key, const MirvaleError &error)
{
    const std::shared_ptr<MountUsers> users = m_services.users;
    if (!users) {
        finish(key, error, error.text());
        return;
    }
    const QPointer<CardUnmounter> alive(this);
    const qint64 self = m_services.self;
    // /proc is read off the main thread: a process table can be long.
    Workers::start(Workers::general(), [alive, users, key, error, self] {
        const QList<MountUsers::Process> holding = users->usersOf(key);
        const QStringList names = CardHolderNames::of(
            holding, [users](qint64 pid) { return users->process(pid); }, self);
        QStringList seen;
        for (const MountUsers::Process &process : holding)
            seen.append(process.command + QLatin1Char(' ') + QString::number(process.pid));
        Workers::post(QCoreApplication::instance(), [alive, key, error, names, seen] {
            CardUnmounter *unmounter = alive.data();
            if (!unmounter)
                return;
            const std::shared_ptr<Attempt> attempt = unmounter->m_attempts.value(key);
            if (!attempt)
                return;
            unmounter->m_services.log->warn(attempt->card.name + QStringLiteral(": still busy, used by ")
                + (seen.isEmpty() ? QStringLiteral("no process Mirvale can see")
                                  : seen.join(QStringLiteral(", "))));
            unmounter->finish(
                key, error, names.isEmpty() ? error.text() : busyText(names, attempt->card.name));
        });
    });
}

void CardUnmounter::finish(
    const QString &key, const std::optional<MirvaleError> &error, const UserText &shown)
{
    const std::shared_ptr<Attempt> attempt = m_attempts.take(key);
    if (!attempt)
        return;
    // On success the watcher sees the unmount; only a report that offered it hears.
    if (error)
        m_services.notifier->cardProblem(attempt->card, shown);
    else
        m_services.notifier->cardUnmounted(attempt->card);
    const std::optional<MirvaleError> outcome = error && shown.shown() != error->description()
        ? std::optional(MirvaleError::diskBusy(shown))
        : error;
    for (const VolumeWatching::RequestCompletion &onDone : std::as_const(attempt->waiting))
        onDone(outcome);
}
