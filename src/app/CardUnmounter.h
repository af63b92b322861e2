#pragma once

#include "detection/MountedCard.h"
#include "detection/VolumeWatching.h"
#include "support/TimerScheduler.h"

#include "support/UserText.h"
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

class AbstractNotifier;
class Logger;
class MountUsers;

/// Unmounts a card at the user's request: Mirvale's own file manager windows on it go first, an
/// unmount refused because the card is busy is tried again while the file manager lets go, and
/// a card still busy after that is reported once, naming the programs that hold it. A second
/// request for a card on its way out joins the first.
class CardUnmounter : public QObject {
public:
    /// How long a busy card is tried again after the first refusal, and how often.
    static constexpr std::chrono::milliseconds kBusyPatience { 5'000 };
    static constexpr std::chrono::milliseconds kBusyRetry { 250 };

    struct Limits {
        std::chrono::milliseconds busyPatience = kBusyPatience;
        std::chrono::milliseconds busyRetry = kBusyRetry;
    };

    /// The collaborators; the pointers must outlive the unmounter. The optional ones may be empty.
    struct Services {
        VolumeWatching *watcher = nullptr;
        AbstractNotifier *notifier = nullptr;
        Logger *log = nullptr;
        /// Without timers a busy card is not tried again.
        TimerScheduler *timers = nullptr;
        /// Who holds a busy card; used off the main thread, hence shared.
        std::shared_ptr<MountUsers> users;
        /// Mirvale's own process, never named as a holder.
        qint64 self = 0;
        /// The time; empty: the steady clock.
        std::function<std::chrono::steady_clock::time_point()> now;
        /// Takes Mirvale's file manager windows off the card at `cardPath` (closing them, or
        /// through the file manager where Mirvale cannot), then calls `then` on the main thread.
        std::function<void(const QString &cardPath, std::function<void()> then)> closeCardWindows;
    };

    CardUnmounter(Services services, Limits limits);
    ~CardUnmounter();
    CardUnmounter(const CardUnmounter &) = delete;
    CardUnmounter &operator=(const CardUnmounter &) = delete;

    /// Unmounts `card`; `onDone`, when given, hears the outcome once.
    void unmount(const MountedCard &card, VolumeWatching::RequestCompletion onDone);

    /// The sentence a panel shows for a card that `holders` keep busy.
    static UserText busyText(const QStringList &holders, const QString &cardName);

private:
    struct Attempt {
        MountedCard card;
        QList<VolumeWatching::RequestCompletion> waiting;
        std::chrono::steady_clock::time_point firstRefusal;
        bool refused = false;
        std::unique_ptr<TimerScheduler::Timer> retry;
    };

    std::chrono::steady_clock::time_point now() const;
    void tryUnmount(const QString &key);
    void answered(const QString &key, const std::optional<MirvaleError> &error);
    void reportHolders(const QString &key, const MirvaleError &error);
    void finish(const QString &key, const std::optional<MirvaleError> &error, const UserText &shown);

    Services m_services;
    Limits m_limits;
    QHash<QString, std::shared_ptr<Attempt>> m_attempts;
};
