#include "detection/CardRequests.h"

#include "detection/CardProber.h"
#include "detection/CardReads.h"
#include "detection/DiskInventory.h"
#include "detection/DiskRequest.h"
#include "support/CutOffLogger.h"
#include "support/UserText.h"
#include "support/Workers.h"

#include <QPointer>
#include <QTimer>

#include <cmath>

namespace {

const QString kUdisksctl = QStringLiteral("udisksctl");
const QString kUmount = QStringLiteral("umount");
const QString kDeviceBusy = QStringLiteral("org.freedesktop.UDisks2.Error.DeviceBusy");

// umount(8) ends with status 32 on any failure; only its message tells a volume in use apart,
// and udisksctl passes on udisks2's error name.
bool saysBusy(const QString &standardError)
{
    return standardError.contains(QLatin1String("target is busy")) || standardError.contains(kDeviceBusy);
}

QString commandLine(const QString &program, const QStringList &arguments)
{
    return program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
}

/// Runs one command and logs it as the fallback does; no error on success. Once the watcher is
/// gone the command is killed and nothing more is logged.
std::optional<MirvaleError> runLogged(CommandRunner *runner, const std::shared_ptr<CutOffLogger> &log,
    std::chrono::milliseconds timeLimit, const QString &program, const QStringList &arguments,
    const QString &successLine)
{
    const QString command = commandLine(program, arguments);
    log->info(QStringLiteral("Running ") + command);
    if (!runner) {
        log->error(QStringLiteral("Failed to run ") + command + QStringLiteral(": no command runner"));
        return MirvaleError::diskError(UserText::translate("CardRequests", "no command runner"));
    }
    const CommandRunner::Result result
        = runner->run(program, arguments, { timeLimit, [log] { return log->isCutOff(); } });
    if (!result.started) {
        log->error(QStringLiteral("Failed to run ") + command + QStringLiteral(": ") + result.startError);
        return MirvaleError::diskError(result.startError);
    }
    if (result.cutOff)
        //: %1 is a command, such as "udisksctl mount -b /dev/sdb1".
        return MirvaleError::diskError(
            UserText::translate("CardRequests", "%1 was stopped at quit").arg(command));
    if (result.timedOut) {
        const int seconds = int(std::ceil(double(timeLimit.count()) / 1000.0));
        //: %1 is a command, such as "udisksctl mount -b /dev/sdb1".
        const UserText message
            = UserText::translate("CardRequests", "%1 did not finish within %n seconds", nullptr, seconds)
                  .arg(command);
        log->error(message.english() + QStringLiteral("; stopped it"));
        return MirvaleError::diskError(message);
    }
    if (result.crashed || result.exitStatus != 0) {
        //: %1 is a command, such as "udisksctl mount -b /dev/sdb1".
        const UserText message = result.crashed
            ? UserText::translate("CardRequests", "%1 crashed").arg(command)
            //: %1 is a command, such as "udisksctl mount -b /dev/sdb1"; %2 a number.
            : UserText::translate("CardRequests", "%1 exited with status %2")
                  .arg(UserText::verbatim(command), UserText::verbatim(QString::number(result.exitStatus)));
        log->error(message.english());
        if (result.standardError.isEmpty())
            return MirvaleError::diskError(message);
        log->info(program + QStringLiteral(" said: ") + result.standardError);
        // The status alone tells nobody why ("target is busy" does).
        const QString said
            = message.shown() + QStringLiteral(": ") + result.standardError.section(u'\n', 0, 0);
        return saysBusy(result.standardError) ? MirvaleError::diskBusy(said) : MirvaleError::diskError(said);
    }
    log->info(successLine + command);
    return std::nullopt;
}

} // namespace

CardRequests::CardRequests(Logger &logger, const VolumeWatcherLimits &limits, DiskInventory &disks,
    const QHash<QString, QString> &deviceNamesByMountPath, std::shared_ptr<CommandRunner> commands,
    std::shared_ptr<CardProber> prober, CardReads &reads)
    : m_logger(logger)
    , m_limits(limits)
    , m_disks(disks)
    , m_deviceNamesByMountPath(deviceNamesByMountPath)
    , m_commands(std::move(commands))
    , m_commandLog(std::make_shared<CutOffLogger>(logger))
    , m_prober(std::move(prober))
    , m_reads(reads)
{
}

CardRequests::~CardRequests()
{
    // Running commands are killed and log nothing more: the log may go right after us.
    m_commandLog->cutOff();
}

void CardRequests::failOutstanding()
{
    const QList<std::shared_ptr<DiskRequest>> outstanding = m_outstandingDARequests;
    for (const std::shared_ptr<DiskRequest> &context : outstanding) {
        //: %1 is the card's name or device.
        const MirvaleError error = MirvaleError::diskError(UserText::translate(
            "CardRequests", "the disk session stopped before %1 finished mounting or unmounting")
                                                               .arg(context->name()));
        context->finish(error);
    }
    m_outstandingDARequests.clear();
}

void CardRequests::dropRegistered()
{
    DiskRequest::dropBoxes(this);
}

void CardRequests::trackDARequest(const std::shared_ptr<DiskRequest> &context)
{
    m_outstandingDARequests.append(context);
    const std::weak_ptr<DiskRequest> weak = context;
    const auto limit = m_limits.requestTimeout;
    const qint64 seconds = qint64(std::ceil(double(limit.count()) / 1000.0));
    context->armTimeout(limit, [weak, seconds] {
        const std::shared_ptr<DiskRequest> request = weak.lock();
        if (!request)
            return;
        request->logger().error(
            QStringLiteral("udisks2 never answered for ") + request->name() + QStringLiteral("; giving up"));
        request->finish(MirvaleError::diskError(UserText::translate(
            "CardRequests", "the disk system did not respond within %n seconds", nullptr, int(seconds))));
    });
}

void CardRequests::forgetDARequest(const DiskRequest *context)
{
    m_outstandingDARequests.removeIf(
        [context](const std::shared_ptr<DiskRequest> &entry) { return entry.get() == context; });
}

void CardRequests::mount(const DetectedCard &card, RequestCompletion completion)
{
    m_logger.info(
        QStringLiteral("Mounting ") + card.name + QStringLiteral(" (") + card.deviceName + QLatin1Char(')'));
    if (!m_disks.hasSession() || !m_disks.session()->hasDisk(card.deviceName)) {
        const QString reason = QStringLiteral("could not create a disk reference for ") + card.deviceName;
        m_logger.error(QStringLiteral("Cannot mount ") + card.name + QStringLiteral(": ") + reason);
        QTimer::singleShot(0, this, [completion, reason] { completion(MirvaleError::diskError(reason)); });
        return;
    }
    const QPointer<CardRequests> self(this);
    auto wrapped = [self, completion](const std::optional<MirvaleError> &error) {
        if (!error && self && self->onMounted)
            self->onMounted();
        completion(error);
    };
    auto context = std::make_shared<DiskRequest>(
        card.deviceName, card.name, std::move(wrapped), self, std::nullopt, m_logger, m_limits.registryGrace);
    trackDARequest(context);
    const quintptr token = context->registerForCallback();
    if (!m_disks.session()->mount(card.deviceName,
            [token](const std::optional<QString> &dissent) { mountAnswered(token, dissent); }))
        context->finish(MirvaleError::diskError(
            QStringLiteral("could not create a disk reference for ") + card.deviceName));
}

void CardRequests::mountAnswered(quintptr token, const std::optional<QString> &dissent)
{
    const std::shared_ptr<DiskRequest> context = DiskRequest::claim(token);
    if (!context || context->isFinished())
        return;
    Logger &log = context->logger();
    if (dissent) {
        log.warn(QStringLiteral("udisks2 Filesystem.Mount dissented for ") + context->name()
            + QStringLiteral(" (") + *dissent + QStringLiteral("); falling back to udisksctl mount -b /dev/")
            + context->deviceName());
        // From here the command decides; the service's time limit no longer applies.
        context->cancelTimeout();
        if (const QPointer<CardRequests> self = context->watcher()) {
            self->mountWithUdisksctl(context->deviceName(), context->name(),
                [context](const std::optional<MirvaleError> &error) { context->finish(error); });
        }
        return;
    }
    log.info(QStringLiteral("Mounted ") + context->name() + QStringLiteral(" via udisks2"));
    context->finish(std::nullopt);
}

void CardRequests::mountWithUdisksctl(
    const QString &deviceName, const QString &name, RequestCompletion completion)
{
    std::shared_ptr<CommandRunner> runner = m_commands;
    std::shared_ptr<CutOffLogger> log = m_commandLog;
    const auto limit = m_limits.commandTimeout;
    // Once the requests are gone the command is killed and its outcome dropped.
    Workers::run(
        Workers::general(), this,
        [runner, log, limit, deviceName, name] {
            return runLogged(runner.get(), log, limit, kUdisksctl,
                { QStringLiteral("mount"), QStringLiteral("-b"), QStringLiteral("/dev/") + deviceName },
                QStringLiteral("Mounted ") + name + QStringLiteral(" via "));
        },
        std::move(completion));
}

void CardRequests::eject(const MountedCard &card, RequestCompletion completion)
{
    const QString path = card.url.toLocalFile();
    const QString key = CardProber::standardizedPath(card.url);
    // Without the disk service (never there, or gone for now) the command does the work.
    if (!m_disks.hasSession() || !m_disks.isPresent()) {
        unmountWithCommand(path, QString(), card.name, std::move(completion));
        return;
    }
    const QHash<QString, DiskDescription> &disks = m_disks.disks();
    for (auto disk = disks.cbegin(); disk != disks.cend(); ++disk) {
        if (!disk->volumePath.isEmpty()
            && CardProber::standardizedPath(QUrl::fromLocalFile(disk->volumePath)) == key) {
            performUnmount(disk.key(), card, std::move(completion));
            return;
        }
    }
    const QString known = m_deviceNamesByMountPath.value(key);
    if (!known.isEmpty() && m_disks.session()->hasDisk(known)) {
        performUnmount(known, card, std::move(completion));
        return;
    }

    m_logger.info(QStringLiteral("Unmounting ") + card.name + QStringLiteral(": resolving ") + path
        + QStringLiteral(" off the main thread"));
    const std::shared_ptr<CardProber> prober = m_prober;
    const QPointer<CardRequests> self(this);
    m_reads.read<QString>(
        key, [prober, path] { return prober->deviceNameForVolume(path); },
        [self, card, path, completion](std::optional<QString> found) {
            if (!self || !self->m_disks.hasSession()) {
                if (self)
                    self->m_logger.warn(QStringLiteral("Cannot unmount ") + card.name
                        + QStringLiteral(": the disk session went away while ") + path
                        + QStringLiteral(" was being resolved"));
                //: %1 is the card's name.
                completion(MirvaleError::diskError(UserText::translate(
                    "CardRequests", "the disk session stopped before %1 could be unmounted")
                                                       .arg(card.name)));
                return;
            }
            const QString deviceName = found.value_or(QString());
            if (deviceName.isEmpty() || !self->m_disks.session()->hasDisk(deviceName)) {
                const QString reason = QStringLiteral("could not create a disk reference for ") + path;
                self->m_logger.error(
                    QStringLiteral("Cannot unmount ") + card.name + QStringLiteral(": ") + reason);
                completion(MirvaleError::diskError(reason));
                return;
            }
            self->performUnmount(deviceName, card, completion);
        });
}

void CardRequests::performUnmount(
    const QString &deviceName, const MountedCard &card, RequestCompletion completion)
{
    auto context = std::make_shared<DiskRequest>(deviceName, card.name, std::move(completion), this,
        card.url.toLocalFile(), m_logger, m_limits.registryGrace);
    trackDARequest(context);
    const quintptr token = context->registerForCallback();
    if (!m_disks.session()->unmount(
            deviceName, [token](const std::optional<QString> &dissent) { unmountAnswered(token, dissent); }))
        context->finish(MirvaleError::diskError(
            UserText::translate("CardRequests", "could not create a disk reference for %1").arg(deviceName)));
}

void CardRequests::unmountAnswered(quintptr token, const std::optional<QString> &dissent)
{
    const std::shared_ptr<DiskRequest> context = DiskRequest::claim(token);
    if (!context || context->isFinished())
        return;
    Logger &log = context->logger();
    if (dissent && dissent->startsWith(kDeviceBusy)) {
        // The command would meet the same program holding the volume.
        log.warn(QStringLiteral("udisks2 Filesystem.Unmount: ") + context->name()
            + QStringLiteral(" is busy (") + *dissent + QLatin1Char(')'));
        context->finish(MirvaleError::diskBusy(dissent->section(QStringLiteral(": "), 1)));
        return;
    }
    if (dissent) {
        log.warn(QStringLiteral("udisks2 Filesystem.Unmount dissented for ") + context->name()
            + QStringLiteral(" (") + *dissent + QStringLiteral("); falling back to the unmount command"));
        context->cancelTimeout();
        if (const QPointer<CardRequests> self = context->watcher()) {
            self->unmountWithCommand(context->mountPath().value_or(QString()), context->deviceName(),
                context->name(),
                [context](const std::optional<MirvaleError> &error) { context->finish(error); });
        }
        return;
    }
    log.info(QStringLiteral("Unmounted ") + context->name());
    context->finish(std::nullopt);
}

void CardRequests::unmountWithCommand(
    const QString &mountPath, const QString &deviceName, const QString &name, RequestCompletion completion)
{
    std::shared_ptr<CommandRunner> runner = m_commands;
    std::shared_ptr<CutOffLogger> log = m_commandLog;
    const auto limit = m_limits.commandTimeout;
    // udisksctl only while udisks2 runs and knows the device; umount takes the mount path.
    const bool tryUdisksctl = m_disks.hasSession() && !deviceName.isEmpty();
    Workers::run(
        Workers::general(), this,
        [runner, log, limit, mountPath, deviceName, name, tryUdisksctl] {
            const QString success = QStringLiteral("Unmounted ") + name + QStringLiteral(" via ");
            std::optional<MirvaleError> error;
            if (tryUdisksctl) {
                error = runLogged(runner.get(), log, limit, kUdisksctl,
                    { QStringLiteral("unmount"), QStringLiteral("-b"), QStringLiteral("/dev/") + deviceName },
                    success);
            }
            if (!tryUdisksctl || error) {
                // A mount point is absolute; anything else could read as an option to umount.
                if (!mountPath.startsWith(QLatin1Char('/'))) {
                    error = error ? error
                                  : MirvaleError::diskError(
                                      UserText::translate("CardRequests", "no mount path to unmount"));
                } else {
                    error = runLogged(runner.get(), log, limit, kUmount, { mountPath }, success);
                }
            }
            return error;
        },
        std::move(completion));
}
