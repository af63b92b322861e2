#pragma once

#include "platform/DiskSession.h"
#include "support/TimerScheduler.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <utility>

class Logger;

/// Mounts cards that nobody else mounts: a disk session that passes everything through and,
/// for a file system udisks2 would have a desktop mount (HintAuto, neither a system device nor
/// one to ignore), waits a grace period for the desktop's own automounter and then mounts it
/// without asking the user anything. A disk is tried once per insertion, and never when it was
/// seen mounted before (someone unmounted it). Main thread only.
class InsertedCardMounter final : public QObject, public DiskSession {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kGrace { 1'500 };

    /// What one run of Mirvale remembers across sessions: the refusals already told.
    struct Memory {
        QSet<QString> notAuthorizedLogged;
        bool notAuthorizedShown = false;
    };

    struct Services {
        Logger *log = nullptr;
        TimerScheduler *timers = nullptr;
        /// The "Mount cards when they are inserted" setting, read when the grace ends.
        std::function<bool()> enabled;
        /// Shows a mount that failed: the card's name and udisks2's message.
        std::function<void(const QString &card, const QString &message)> reportProblem;
        std::shared_ptr<Memory> memory;
    };

    InsertedCardMounter(std::unique_ptr<DiskSession> inner, Services services);
    ~InsertedCardMounter() override;

    bool start(Callbacks callbacks) override;
    void stop() override;
    bool hasDisk(const QString &deviceName) const override;
    bool mount(const QString &deviceName, Completion completion) override;
    bool unmount(const QString &deviceName, Completion completion) override;
    bool mountWithoutAsking(const QString &deviceName, Completion completion) override;

private:
    struct Disk {
        DiskDescription description;
        bool seenMounted = false;
        bool tried = false;
        std::shared_ptr<TimerScheduler::Timer> graceTimer;
    };

    void seen(const DiskDescription &description);
    void gone(const QString &deviceName);
    void graceEnded(const QString &deviceName);
    void mounted(const QString &deviceName, const QString &card, const std::optional<QString> &dissent);
    static bool wantsMounting(const DiskDescription &description);

    std::unique_ptr<DiskSession> m_inner;
    Services m_services;
    QHash<QString, Disk> m_disks;
};
