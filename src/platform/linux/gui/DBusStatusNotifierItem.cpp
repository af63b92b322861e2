#include "platform/linux/gui/DBusStatusNotifierItem.h"

#include "platform/linux/gui/DBusMenuObject.h"
#include "platform/linux/gui/StatusNotifierItemObject.h"
#include "support/Logger.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QFile>

namespace {

const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kMenuPath = QStringLiteral("/MenuBar");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");

QString watcherService()
{
    return QString::fromLatin1(DBusStatusNotifierItem::kWatcherService);
}

/// The process name of `pid` ("xfce4-panel"), empty when it cannot be read.
QString programOf(uint pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(comm.readAll()).trimmed();
}

/// What to register with a watcher run by `watcherProgram`: the item's object path or its name.
QString registrationFor(const QString &watcherProgram, const QString &serviceName)
{
    // GNOME Shell's AppIndicator extension follows an item registered by a well-known name with
    // a name watch of its own besides the item's proxy; when the watch reports the name just
    // after the proxy has read the item's properties, it clears Id and Menu, fails reading them
    // again and drops the item about a second after taking it. Registered by object path, the
    // item is followed through Mirvale's connection alone. The other watchers take the name, as
    // their hosts have always been given it.
    return watcherProgram == QLatin1String("gnome-shell") ? kItemPath : serviceName;
}

} // namespace

DBusStatusNotifierItem::DBusStatusNotifierItem(QDBusConnection bus, Logger *log, QObject *parent)
    : StatusNotifierExport(parent)
    , m_bus(std::move(bus))
    , m_log(log)
    , m_serviceName(QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(QCoreApplication::applicationPid()))
    , m_menu(new DBusMenuObject([this](int id) { emit entryClicked(id); }, this))
    , m_item(new StatusNotifierItemObject(
          QStringLiteral("Mirvale"), QDBusObjectPath(kMenuPath),
          [this](QPoint position) { emit menuRequested(position); }, this))
{
}

DBusStatusNotifierItem::~DBusStatusNotifierItem()
{
    if (!m_bus.isConnected())
        return;
    m_bus.unregisterObject(kItemPath);
    m_bus.unregisterObject(kMenuPath);
    m_bus.unregisterService(m_serviceName);
}

void DBusStatusNotifierItem::start()
{
    if (!m_bus.isConnected()) {
        setHost(false, {});
        return;
    }
    const auto exported = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
        | QDBusConnection::ExportAllProperties;
    if (!m_bus.registerObject(kItemPath, m_item, exported)
        || !m_bus.registerObject(kMenuPath, m_menu, exported) || !m_bus.registerService(m_serviceName)) {
        if (m_log)
            m_log->warn(QStringLiteral("Tray: cannot export the status-notifier item: ")
                + m_bus.lastError().message());
        setHost(false, {});
        return;
    }
    m_watcher
        = new QDBusServiceWatcher(watcherService(), m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString &, const QString &, const QString &newOwner) {
            if (!newOwner.isEmpty()) {
                registerWithWatcher();
                return;
            }
            ++m_generation;
            setHost(false, {});
        });
    m_bus.connect(watcherService(), kWatcherPath, watcherService(),
        QStringLiteral("StatusNotifierHostRegistered"), this, SLOT(onHostRegistered(QDBusMessage)));
    registerWithWatcher();
}

void DBusStatusNotifierItem::onHostRegistered(const QDBusMessage &message)
{
    Q_UNUSED(message);
    askWhetherHostRuns();
}

void DBusStatusNotifierItem::registerWithWatcher()
{
    // The watcher's process first: it says which host reads the menu, and how to register.
    const int generation = ++m_generation;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("GetConnectionUnixProcessID"));
    call.setArguments({ watcherService() });
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(
        pending, &QDBusPendingCallWatcher::finished, this, [this, generation](QDBusPendingCallWatcher *done) {
            done->deleteLater();
            if (generation != m_generation)
                return;
            const QDBusPendingReply<uint> answer = *done;
            // The watcher is the host's own in every panel Mirvale knows (Plasma, Xfce, waybar,
            // LXQt, MATE, GNOME's extension), so its process says which host reads the menu.
            m_watcherProgram = answer.isError() ? QString() : programOf(answer.value());
            sendRegistration(generation);
        });
}

void DBusStatusNotifierItem::sendRegistration(int generation)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        watcherService(), kWatcherPath, watcherService(), QStringLiteral("RegisterStatusNotifierItem"));
    call.setArguments({ registrationFor(m_watcherProgram, m_serviceName) });
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(
        pending, &QDBusPendingCallWatcher::finished, this, [this, generation](QDBusPendingCallWatcher *done) {
            done->deleteLater();
            if (generation != m_generation)
                return;
            if (done->isError()) {
                // No watcher (yet): the tray is the XEmbed one, if any; a watcher that appears
                // later is registered with then.
                setHost(false, {});
                return;
            }
            askWhetherHostRuns();
        });
}

void DBusStatusNotifierItem::askWhetherHostRuns()
{
    const int generation = m_generation;
    QDBusMessage call = QDBusMessage::createMethodCall(watcherService(), kWatcherPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call.setArguments({ watcherService(), QStringLiteral("IsStatusNotifierHostRegistered") });
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(
        pending, &QDBusPendingCallWatcher::finished, this, [this, generation](QDBusPendingCallWatcher *done) {
            done->deleteLater();
            if (generation != m_generation)
                return;
            const QDBusPendingReply<QDBusVariant> answer = *done;
            const bool hostRuns = !answer.isError() && answer.value().variant().toBool();
            setHost(hostRuns, hostRuns ? m_watcherProgram : QString());
        });
}

void DBusStatusNotifierItem::setHost(bool shown, const QString &program)
{
    if (shown == m_shown && program == m_hostProgram && m_settled)
        return;
    m_settled = true;
    m_shown = shown;
    m_hostProgram = program;
    if (m_log) {
        m_log->info(shown
                ? QStringLiteral("Tray: the status-notifier host shows the icon (watcher run by %1)")
                      .arg(program.isEmpty() ? QStringLiteral("an unknown program") : program)
                : QStringLiteral("Tray: no status-notifier host; the icon goes to an XEmbed tray, if any"));
    }
    emit hostChanged();
}

void DBusStatusNotifierItem::setIcon(const QString &themedName, const QList<TrayIconImage> &images)
{
    DBusTrayImageList converted;
    for (const TrayIconImage &image : images)
        converted.append({ image.width, image.height, image.argb });
    m_item->setIcon(themedName, converted);
}

void DBusStatusNotifierItem::setLayout(const QList<TrayMenuEntry> &entries)
{
    m_menu->setLayout(entries);
}

void DBusStatusNotifierItem::updateEntries(const QList<TrayMenuEntry> &entries, const QList<int> &changedIds)
{
    m_menu->updateEntries(entries, changedIds);
}
