#include "platform/linux/PackageKitUpdateService.h"

#include "support/Logger.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {

const QString kService = QStringLiteral("org.freedesktop.PackageKit");
const QString kPath = QStringLiteral("/org/freedesktop/PackageKit");
const QString kTransaction = QStringLiteral("org.freedesktop.PackageKit.Transaction");

// PackageKit's enumerations (bitfields are 1 << value).
constexpr quint64 kFilterInstalled = quint64(1) << 2;
constexpr quint64 kFilterNone = quint64(1) << 1;
constexpr quint64 kFlagOnlyTrusted = quint64(1) << 1;
constexpr uint kExitSuccess = 1;

const QString kPrefix = QStringLiteral("UpdateController: ");

QString packageName(const QString &packageId)
{
    return packageId.section(u';', 0, 0);
}

QString packageVersion(const QString &packageId)
{
    return packageId.section(u';', 1, 1);
}

} // namespace

PackageKitUpdateService::PackageKitUpdateService(QDBusConnection systemBus, Logger &log, QString packageName,
    std::chrono::milliseconds checkInterval, QObject *parent)
    : UpdateService(parent)
    , m_bus(std::move(systemBus))
    , m_log(log)
    , m_package(std::move(packageName))
{
    m_timer.setInterval(checkInterval);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (m_available && m_step == Step::None)
            begin(Step::GetUpdates, false);
    });
}

PackageKitUpdateService::~PackageKitUpdateService()
{
    watchTransaction(false);
}

void PackageKitUpdateService::start()
{
    if (m_started)
        return;
    m_started = true;
    if (!m_bus.isConnected()) {
        unavailable(QStringLiteral("the system bus is not available"));
        return;
    }
    begin(Step::ResolveInstalled, false);
}

void PackageKitUpdateService::checkForUpdates()
{
    if (!m_available || m_step != Step::None)
        return;
    if (m_updateId.isEmpty()) {
        begin(Step::GetUpdates, true);
        return;
    }
    emit userAttended();
    m_log.info(kPrefix + QStringLiteral("installing ") + m_package + QStringLiteral(" ")
        + packageVersion(m_updateId) + QStringLiteral(" through PackageKit"));
    begin(Step::Install, true);
}

void PackageKitUpdateService::begin(Step step, bool userAsked)
{
    m_step = step;
    m_userAsked = userAsked;
    m_transactionError.clear();
    const quint64 generation = ++m_generation;
    setBusy(true);
    const QDBusMessage call
        = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("CreateTransaction"));
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this, generation](QDBusPendingCallWatcher *self) {
            self->deleteLater();
            if (generation != m_generation)
                return;
            QDBusPendingReply<QDBusObjectPath> reply = *self;
            if (reply.isError()) {
                const QString name = reply.error().name();
                if (m_step == Step::ResolveInstalled
                    && (name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
                        || name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner")
                        || name.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn")))) {
                    m_step = Step::None;
                    unavailable(QStringLiteral("PackageKit is not available on this system"));
                    return;
                }
                m_transactionError = reply.error().message();
                finishStep(false);
                return;
            }
            runStep(reply.value().path());
        });
}

void PackageKitUpdateService::runStep(const QString &transactionPath)
{
    m_transactionPath = transactionPath;
    watchTransaction(true);
    QDBusMessage call;
    switch (m_step) {
    case Step::ResolveInstalled:
        m_installedId.clear();
        call = QDBusMessage::createMethodCall(
            kService, transactionPath, kTransaction, QStringLiteral("Resolve"));
        call.setArguments({ QVariant::fromValue(kFilterInstalled), QStringList { m_package } });
        break;
    case Step::GetUpdates:
        m_updateId.clear();
        call = QDBusMessage::createMethodCall(
            kService, transactionPath, kTransaction, QStringLiteral("GetUpdates"));
        call.setArguments({ QVariant::fromValue(kFilterNone) });
        break;
    case Step::Install:
        call = QDBusMessage::createMethodCall(
            kService, transactionPath, kTransaction, QStringLiteral("UpdatePackages"));
        call.setArguments({ QVariant::fromValue(kFlagOnlyTrusted), QStringList { m_updateId } });
        break;
    case Step::None:
        return;
    }
    const quint64 generation = m_generation;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this, generation](QDBusPendingCallWatcher *self) {
            self->deleteLater();
            if (generation != m_generation || !self->isError())
                return; // the outcome comes with the Finished signal
            m_transactionError = self->error().message();
            finishStep(false);
        });
}

void PackageKitUpdateService::onPackage(uint info, const QString &packageId, const QString &summary)
{
    Q_UNUSED(info);
    Q_UNUSED(summary);
    if (packageName(packageId) != m_package)
        return;
    if (m_step == Step::ResolveInstalled && m_installedId.isEmpty())
        m_installedId = packageId;
    else if (m_step == Step::GetUpdates)
        m_updateId = packageId;
}

void PackageKitUpdateService::onErrorCode(uint code, const QString &details)
{
    Q_UNUSED(code);
    m_transactionError = details;
}

void PackageKitUpdateService::onFinished(uint exit, uint runtime)
{
    Q_UNUSED(runtime);
    finishStep(exit == kExitSuccess);
}

void PackageKitUpdateService::finishStep(bool succeeded)
{
    watchTransaction(false);
    const Step step = m_step;
    m_step = Step::None;
    ++m_generation;
    const QString reason
        = m_transactionError.isEmpty() ? QStringLiteral("unknown error") : m_transactionError;
    switch (step) {
    case Step::ResolveInstalled:
        if (!succeeded) {
            unavailable(QStringLiteral("PackageKit could not tell whether ") + m_package
                + QStringLiteral(" is installed: ") + reason);
            return;
        }
        if (m_installedId.isEmpty()) {
            unavailable(QStringLiteral("Mirvale was not installed as the package \"") + m_package
                + QStringLiteral("\", so the package manager cannot update it"));
            return;
        }
        m_available = true;
        m_log.info(kPrefix + QStringLiteral("updates come from PackageKit; installed: ") + m_package + u' '
            + packageVersion(m_installedId));
        m_timer.start();
        begin(Step::GetUpdates, false);
        return;
    case Step::GetUpdates:
        if (!succeeded)
            m_log.warn(kPrefix + QStringLiteral("the update check failed: ") + reason);
        else if (!m_updateId.isEmpty())
            m_log.info(
                kPrefix + m_package + u' ' + packageVersion(m_updateId) + QStringLiteral(" is available"));
        else if (m_userAsked)
            m_log.info(kPrefix + m_package + QStringLiteral(" is up to date"));
        setBusy(false);
        if (succeeded && !m_updateId.isEmpty())
            emit updateFound(packageVersion(m_updateId));
        return;
    case Step::Install:
        if (succeeded) {
            m_log.info(kPrefix + QStringLiteral("installed ") + m_package + u' ' + packageVersion(m_updateId)
                + QStringLiteral("; it takes effect when Mirvale starts again"));
        } else {
            m_log.warn(kPrefix + QStringLiteral("installing the update failed: ") + reason);
        }
        // The menu says "Check for Updates…" again, so the next choice checks anew.
        m_updateId.clear();
        setBusy(false);
        emit sessionFinished();
        return;
    case Step::None:
        return;
    }
}

void PackageKitUpdateService::unavailable(const QString &why)
{
    m_available = false;
    m_log.info(kPrefix + QStringLiteral("no update checks: ") + why);
}

void PackageKitUpdateService::setBusy(bool busy)
{
    emit canCheckForUpdatesChanged(m_available && !busy);
}

void PackageKitUpdateService::watchTransaction(bool on)
{
    if (m_transactionPath.isEmpty())
        return;
    const auto signal = [this, on](const char *name, const char *slot) {
        if (on)
            m_bus.connect(kService, m_transactionPath, kTransaction, QLatin1String(name), this, slot);
        else
            m_bus.disconnect(kService, m_transactionPath, kTransaction, QLatin1String(name), this, slot);
    };
    signal("Package", SLOT(onPackage(uint, QString, QString)));
    signal("ErrorCode", SLOT(onErrorCode(uint, QString)));
    signal("Finished", SLOT(onFinished(uint, uint)));
    if (!on)
        m_transactionPath.clear();
}
