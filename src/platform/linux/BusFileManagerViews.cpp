#include "platform/linux/BusFileManagerViews.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QMap>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>

namespace {

const QString kDolphinPrefix = QStringLiteral("org.kde.dolphin-");
const QString kDolphinWindows = QStringLiteral("/dolphin");
const QString kNautilus = QStringLiteral("org.gnome.Nautilus");
/// A file manager that does not answer within this is taken to show nothing Mirvale asked about.
constexpr int kCallTimeoutMs = 2'000;

} // namespace

BusFileManagerViews::BusFileManagerViews(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

FileManagerViews::Outcome BusFileManagerViews::takeOff(const QString &program, const QStringList &folders)
{
    if (program == QStringLiteral("dolphin"))
        return closeDolphinWindows(folders);
    if (program == QStringLiteral("nautilus"))
        return moveNautilusHome(folders);
    return { 0,
        program + QStringLiteral(" offers no way over the session bus to take a window off a folder") };
}

QString BusFileManagerViews::stayedText(const QString &program, const QStringList &windows)
{
    return program + QStringLiteral(" still shows the folder in a tab or view that is not the active one of ")
        + windows.join(QStringLiteral(", "));
}

FileManagerViews::Outcome BusFileManagerViews::closeDolphinWindows(const QStringList &folders)
{
    const QDBusMessage names
        = m_bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                         QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"),
                         QStringLiteral("ListNames")),
            QDBus::Block, kCallTimeoutMs);
    if (names.type() != QDBusMessage::ReplyMessage || names.arguments().isEmpty())
        return { 0, QStringLiteral("the session bus did not list its names: ") + names.errorMessage() };
    Outcome outcome;
    QStringList stayed;
    for (const QString &service : names.arguments().constFirst().toStringList()) {
        if (!service.startsWith(kDolphinPrefix))
            continue;
        for (const QString &window : dolphinWindowsOf(service)) {
            if (!dolphinShowsAny(service, window, folders))
                continue;
            // Closed, not moved: a Dolphin that Dolphin's own service started for a folder has
            // that folder as its working directory (and so have its workers) until it ends,
            // which it does with its last window. One with several tabs asks first.
            const QDBusMessage closed
                = m_bus.call(QDBusMessage::createMethodCall(service, window,
                                 QStringLiteral("org.qtproject.Qt.QWidget"), QStringLiteral("close")),
                    QDBus::Block, kCallTimeoutMs);
            if (closed.type() == QDBusMessage::ReplyMessage && !closed.arguments().isEmpty()
                && closed.arguments().constFirst().toBool())
                ++outcome.moved;
            else
                stayed.append(service + window);
        }
    }
    if (!stayed.isEmpty())
        outcome.failure
            = QStringLiteral("Dolphin did not close its window ") + stayed.join(QStringLiteral(", "));
    return outcome;
}

QStringList BusFileManagerViews::dolphinWindowsOf(const QString &service)
{
    const QDBusMessage reply
        = m_bus.call(QDBusMessage::createMethodCall(service, kDolphinWindows,
                         QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect")),
            QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    static const QRegularExpression node(QStringLiteral("<node name=\"(Dolphin_[0-9]+)\""));
    QStringList windows;
    auto matches = node.globalMatch(reply.arguments().constFirst().toString());
    while (matches.hasNext())
        windows.append(kDolphinWindows + QLatin1Char('/') + matches.next().captured(1));
    return windows;
}

bool BusFileManagerViews::dolphinShowsAny(
    const QString &service, const QString &window, const QStringList &folders)
{
    for (const QString &folder : folders) {
        QDBusMessage ask = QDBusMessage::createMethodCall(
            service, window, QStringLiteral("org.kde.dolphin.MainWindow"), QStringLiteral("isUrlOpen"));
        ask << folder; // a path, as its command line takes it
        const QDBusMessage reply = m_bus.call(ask, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
            && reply.arguments().constFirst().toBool())
            return true;
    }
    return false;
}

FileManagerViews::Outcome BusFileManagerViews::moveNautilusHome(const QStringList &folders)
{
    const std::optional<QStringList> showing = nautilusWindowsShowing(folders);
    if (!showing)
        return { 0, QStringLiteral("Nautilus did not say what its windows show") };
    for (const QString &window : *showing) {
        QDBusMessage home = QDBusMessage::createMethodCall(
            kNautilus, window, QStringLiteral("org.gtk.Actions"), QStringLiteral("Activate"));
        home << QStringLiteral("go-home") << QVariantList {} << QVariantMap {};
        m_bus.call(home, QDBus::Block, kCallTimeoutMs);
    }
    const QStringList stayed = nautilusWindowsShowing(folders).value_or(*showing);
    Outcome outcome;
    outcome.moved = int(std::count_if(
        showing->cbegin(), showing->cend(), [&](const QString &window) { return !stayed.contains(window); }));
    if (!stayed.isEmpty())
        outcome.failure = stayedText(QStringLiteral("Nautilus"), stayed);
    return outcome;
}

std::optional<QStringList> BusFileManagerViews::nautilusWindowsShowing(const QStringList &folders)
{
    QDBusMessage ask
        = QDBusMessage::createMethodCall(kNautilus, QStringLiteral("/org/freedesktop/FileManager1"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    ask << QStringLiteral("org.freedesktop.FileManager1") << QStringLiteral("OpenWindowsWithLocations");
    const QDBusMessage reply = m_bus.call(ask, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    QMap<QString, QStringList> locations;
    reply.arguments().constFirst().value<QDBusVariant>().variant().value<QDBusArgument>() >> locations;
    QStringList windows;
    for (auto it = locations.cbegin(); it != locations.cend(); ++it) {
        if (std::any_of(it.value().cbegin(), it.value().cend(),
                [&](const QString &location) { return folders.contains(QUrl(location).toLocalFile()); }))
            windows.append(it.key());
    }
    return windows;
}
