#include "platform/linux/DolphinViews.h"

#include <QDBusMessage>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QString kServicePrefix = QStringLiteral("org.kde.dolphin-");
const QString kWindowsPath = QStringLiteral("/dolphin");
const QString kWindowInterface = QStringLiteral("org.kde.dolphin.MainWindow");
const QString kActionsInterface = QStringLiteral("org.kde.KMainWindow");
/// A window that does not answer within this is taken to show nothing Mirvale asked about.
constexpr int kCallTimeoutMs = 2'000;

} // namespace

DolphinViews::DolphinViews(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

FileManagerViews::Outcome DolphinViews::moveToHome(const QString &program, const QStringList &folders)
{
    if (program != QStringLiteral("dolphin"))
        return { 0,
            program + QStringLiteral(" offers no way over the session bus to take a window off a folder") };
    QStringList urls;
    for (const QString &folder : folders)
        urls.append(QUrl::fromLocalFile(folder).toString());
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
        if (!service.startsWith(kServicePrefix))
            continue;
        for (const QString &window : windowsOf(service)) {
            if (!showsAny(service, window, urls))
                continue;
            QDBusMessage home = QDBusMessage::createMethodCall(
                service, window, kActionsInterface, QStringLiteral("activateAction"));
            home << QStringLiteral("go_home");
            m_bus.call(home, QDBus::Block, kCallTimeoutMs);
            // The action moves the window's active view; a folder in another tab or in the
            // other half of a split view stays.
            if (showsAny(service, window, urls))
                stayed.append(service + window);
            else
                ++outcome.moved;
        }
    }
    if (!stayed.isEmpty())
        outcome.failure = QStringLiteral("Dolphin still shows the folder in a tab or view that is not the "
                                         "active one of window ")
            + stayed.join(QStringLiteral(", "));
    return outcome;
}

QStringList DolphinViews::windowsOf(const QString &service)
{
    const QDBusMessage reply
        = m_bus.call(QDBusMessage::createMethodCall(service, kWindowsPath,
                         QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect")),
            QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    static const QRegularExpression node(QStringLiteral("<node name=\"(Dolphin_[0-9]+)\""));
    QStringList windows;
    auto matches = node.globalMatch(reply.arguments().constFirst().toString());
    while (matches.hasNext())
        windows.append(kWindowsPath + QLatin1Char('/') + matches.next().captured(1));
    return windows;
}

bool DolphinViews::showsAny(const QString &service, const QString &window, const QStringList &urls)
{
    for (const QString &url : urls) {
        QDBusMessage ask
            = QDBusMessage::createMethodCall(service, window, kWindowInterface, QStringLiteral("isUrlOpen"));
        ask << url;
        const QDBusMessage reply = m_bus.call(ask, QDBus::Block, kCallTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
            && reply.arguments().constFirst().toBool())
            return true;
    }
    return false;
}
