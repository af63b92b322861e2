#include "detection/InsertedCardMounter.h"

#include "support/Logger.h"

#include <QPointer>

namespace {

QString cardName(const DiskDescription &disk)
{
    return disk.volumeName.isEmpty() ? disk.deviceName : disk.volumeName;
}

bool isNotAuthorized(const QString &dissent)
{
    return dissent.startsWith(QLatin1String("org.freedesktop.UDisks2.Error.NotAuthorized"));
}

} // namespace

InsertedCardMounter::InsertedCardMounter(std::unique_ptr<DiskSession> inner, Services services)
    : m_inner(std::move(inner))
    , m_services(std::move(services))
{
    if (!m_services.memory)
        m_services.memory = std::make_shared<Memory>();
}

InsertedCardMounter::~InsertedCardMounter() = default;

bool InsertedCardMounter::start(Callbacks callbacks)
{
    // The inner session may report after this one is gone.
    const QPointer<InsertedCardMounter> alive(this);
    Callbacks tee = callbacks;
    tee.appeared = [alive, forward = callbacks.appeared](const DiskDescription &disk) {
        if (forward)
            forward(disk);
        if (alive)
            alive->seen(disk);
    };
    tee.descriptionChanged = [alive, forward = callbacks.descriptionChanged](const DiskDescription &disk) {
        if (forward)
            forward(disk);
        if (alive)
            alive->seen(disk);
    };
    tee.disappeared = [alive, forward = callbacks.disappeared](const QString &deviceName) {
        if (alive)
            alive->gone(deviceName);
        if (forward)
            forward(deviceName);
    };
    return m_inner->start(std::move(tee));
}

void InsertedCardMounter::stop()
{
    m_disks.clear();
    m_inner->stop();
}

bool InsertedCardMounter::hasDisk(const QString &deviceName) const
{
    return m_inner->hasDisk(deviceName);
}

bool InsertedCardMounter::mount(const QString &deviceName, Completion completion)
{
    return m_inner->mount(deviceName, std::move(completion));
}

bool InsertedCardMounter::unmount(const QString &deviceName, Completion completion)
{
    return m_inner->unmount(deviceName, std::move(completion));
}

bool InsertedCardMounter::mountWithoutAsking(const QString &deviceName, Completion completion)
{
    return m_inner->mountWithoutAsking(deviceName, std::move(completion));
}

bool InsertedCardMounter::wantsMounting(const DiskDescription &description)
{
    return description.isMountable && description.hintAuto && !description.hintSystem
        && !description.hintIgnore;
}

void InsertedCardMounter::seen(const DiskDescription &description)
{
    Disk &disk = m_disks[description.deviceName];
    disk.description = description;
    if (!description.volumePath.isEmpty()) {
        // Mounted, by the desktop or by Mirvale: nothing left to wait for, and once it is
        // unmounted again it stays so until it is reinserted.
        disk.seenMounted = true;
        disk.graceTimer.reset();
        return;
    }
    if (disk.seenMounted || disk.tried || disk.graceTimer || !wantsMounting(description))
        return;
    const QPointer<InsertedCardMounter> alive(this);
    disk.graceTimer = m_services.timers->start(kGrace, [alive, deviceName = description.deviceName] {
        if (alive)
            alive->graceEnded(deviceName);
    });
}

void InsertedCardMounter::gone(const QString &deviceName)
{
    m_disks.remove(deviceName);
}

void InsertedCardMounter::graceEnded(const QString &deviceName)
{
    const auto found = m_disks.find(deviceName);
    if (found == m_disks.end())
        return;
    Disk &disk = *found;
    // Destroying the timer from inside its own callback is allowed.
    disk.graceTimer.reset();
    if (!disk.description.volumePath.isEmpty() || disk.seenMounted || disk.tried)
        return;
    if (m_services.enabled && !m_services.enabled())
        return;
    disk.tried = true;
    const QString card = cardName(disk.description);
    m_services.log->info(QStringLiteral("Mounting %1: inserted and not mounted by the desktop within %2 s")
                             .arg(card, QString::number(double(kGrace.count()) / 1000.0)));
    const QPointer<InsertedCardMounter> alive(this);
    const bool asked = m_inner->mountWithoutAsking(
        deviceName, [alive, deviceName, card](const std::optional<QString> &dissent) {
            if (alive)
                alive->mounted(deviceName, card, dissent);
        });
    if (!asked)
        m_services.log->warn(QStringLiteral("Mounting ") + card + QStringLiteral(": the disk is gone"));
}

void InsertedCardMounter::mounted(
    const QString &deviceName, const QString &card, const std::optional<QString> &dissent)
{
    if (!dissent)
        return;
    const auto disk = m_disks.constFind(deviceName);
    // Mounted by the desktop while Mirvale asked too: the card is mounted, which is all it wanted.
    if (dissent->startsWith(QLatin1String("org.freedesktop.UDisks2.Error.AlreadyMounted"))
        || (disk != m_disks.cend() && (disk->seenMounted || !disk->description.volumePath.isEmpty()))) {
        m_services.log->info(
            QStringLiteral("Mounting ") + card + QStringLiteral(": already mounted by another program"));
        return;
    }
    if (isNotAuthorized(*dissent)) {
        Memory &memory = *m_services.memory;
        if (!memory.notAuthorizedLogged.contains(card)) {
            memory.notAuthorizedLogged.insert(card);
            m_services.log->warn(
                QStringLiteral("Mounting ") + card + QStringLiteral(" was not authorized: ") + *dissent);
        }
        if (std::exchange(memory.notAuthorizedShown, true))
            return;
    } else {
        m_services.log->warn(QStringLiteral("Mounting ") + card + QStringLiteral(" failed: ") + *dissent);
    }
    // udisks2's own words, without the error's name.
    const qsizetype separator = dissent->indexOf(QLatin1String(": "));
    if (m_services.reportProblem)
        m_services.reportProblem(card, separator < 0 ? *dissent : dissent->mid(separator + 2));
}
