#include "app/DesktopNotifier.h"

#include "app/CardReportText.h"
#include "platform/DesktopNotifications.h"
#include "rules/RulesProvider.h"
#include "support/Logger.h"
#include "support/ShownText.h"

#include <QCoreApplication>

namespace {

QString cardKey(const MountedCard &card)
{
    return card.url.toLocalFile();
}

} // namespace

DesktopNotifier::DesktopNotifier(Services services)
    : m_services(std::move(services))
{
}

DesktopNotifier::~DesktopNotifier() = default;

ReportMedium DesktopNotifier::medium(const AppSettings &settings, bool panelsPlaceable)
{
    if (settings.reportWith)
        return *settings.reportWith;
    return panelsPlaceable ? ReportMedium::Panels : ReportMedium::Desktop;
}

void DesktopNotifier::setup()
{
    m_services.panels->setup();
    connect(m_services.desktop, &DesktopNotifications::actionInvoked, this, &DesktopNotifier::actionInvoked);
    connect(m_services.desktop, &DesktopNotifications::closed, this, &DesktopNotifier::closed);
    if (medium(m_services.rules->settings(), m_services.panelsPlaceable) == ReportMedium::Desktop)
        m_services.log->info(QStringLiteral("Notifier: reports go to the desktop's notifications"));
}

void DesktopNotifier::setOnEjectRequested(std::function<void(const QUrl &)> callback)
{
    m_onEjectRequested = callback;
    m_services.panels->setOnEjectRequested(std::move(callback));
}

void DesktopNotifier::cardOpened(
    const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount)
{
    QString body = CardReportText::openedBody(card, target, fileCount).shown();
    {
        const AppSettings settings = m_services.rules->settings();
        if (medium(settings, m_services.panelsPlaceable) == ReportMedium::Panels) {
            m_services.panels->cardOpened(card, target, fileCount);
            return;
        }
        if (!settings.showNotifications) {
            m_services.log->info(
                QStringLiteral("Notifier: skipping card-opened notification (notifications disabled)."));
            return;
        }
        Report report;
        report.cardKey = cardKey(card);
        report.summary = ShownText::visible(card.name);
        report.body = body;
        report.withActions = true;
        report.folder = target.folder;
        report.volume = card.url;
        report.inPanel
            = [this, card, target, fileCount] { m_services.panels->cardOpened(card, target, fileCount); };
        enqueue(std::move(report));
    }
}

void DesktopNotifier::cardProblem(const MountedCard &card, const UserText &message)
{
    {
        if (medium(m_services.rules->settings(), m_services.panelsPlaceable) == ReportMedium::Panels) {
            m_services.panels->cardProblem(card, message);
            return;
        }
        Report report;
        report.cardKey = cardKey(card);
        report.summary = ShownText::visible(card.name);
        report.body = message.shown();
        report.problem = true;
        report.volume = card.url;
        report.inPanel = [this, card, message] { m_services.panels->cardProblem(card, message); };
        enqueue(std::move(report));
    }
}

void DesktopNotifier::cardUnmounted(const MountedCard &card)
{
    // Only a notification whose Unmount was chosen tells how it went; the panels say nothing.
    const auto notice = m_notices.constFind(cardKey(card));
    if (notice == m_notices.cend() || !notice->unmountAsked)
        return;
    Report report;
    report.cardKey = cardKey(card);
    report.summary = ShownText::visible(card.name);
    report.body = QCoreApplication::translate("DesktopNotifier", "Unmounted. The card can be removed.");
    report.volume = card.url;
    report.inPanel = [] {};
    enqueue(std::move(report));
}

void DesktopNotifier::enqueue(Report report)
{
    m_queue.push_back(std::move(report));
    if (!m_sending)
        sendNext();
}

void DesktopNotifier::sendNext()
{
    if (m_queue.empty()) {
        m_sending = false;
        return;
    }
    m_sending = true;
    Report report = std::move(m_queue.front());
    m_queue.pop_front();
    if (m_capabilities) {
        send(std::move(report));
        return;
    }
    // Asked again after the server went away, so that a server started later is found.
    const QPointer<DesktopNotifier> alive(this);
    m_services.desktop->capabilities([alive, report](const std::optional<QStringList> &capabilities) {
        DesktopNotifier *self = alive.data();
        if (!self)
            return;
        if (!capabilities) {
            self->fallBack(report, QStringLiteral("no notification server on the session bus"));
            self->sendNext();
            return;
        }
        self->m_capabilities = *capabilities;
        self->m_services.log->info(QStringLiteral("Notifier: the notification server can do: ")
            + capabilities->join(QStringLiteral(", ")));
        self->send(report);
    });
}

void DesktopNotifier::send(Report report)
{
    DesktopNotifications::Notification notification;
    notification.summary = report.summary;
    // Where the server reads markup, a card's or folder's name is text, never markup.
    notification.body
        = m_capabilities->contains(QStringLiteral("body-markup")) ? report.body.toHtmlEscaped() : report.body;
    notification.iconName = QString::fromLatin1(kIconName);
    notification.category = report.problem ? QStringLiteral("device.error") : QStringLiteral("device.added");
    notification.expiry = report.problem ? kProblemExpiry : kReportExpiry;
    if (report.withActions && m_capabilities->contains(QStringLiteral("actions")))
        notification.actions = { QString::fromLatin1(kShowFolderAction),
            QCoreApplication::translate("DesktopNotifier", "Show Folder"),
            QString::fromLatin1(kUnmountAction), QCoreApplication::translate("DesktopNotifier", "Unmount") };
    notification.replacesId = m_notices.value(report.cardKey).id;
    const QPointer<DesktopNotifier> alive(this);
    m_services.desktop->notify(notification, [alive, report](std::optional<uint> id, const QString &error) {
        if (DesktopNotifier *self = alive.data()) {
            self->sent(report, id, error);
            self->sendNext();
        }
    });
}

void DesktopNotifier::sent(const Report &report, std::optional<uint> id, const QString &error)
{
    if (!id) {
        m_capabilities.reset();
        fallBack(
            report, QStringLiteral("the notification server refused it (") + error + QStringLiteral(")"));
        return;
    }
    m_toldNoServer = false;
    Notice &notice = m_notices[report.cardKey];
    notice.id = *id;
    notice.volume = report.volume;
    notice.unmountAsked = false;
    // A problem keeps the folder of the report it replaces.
    if (report.withActions)
        notice.folder = report.folder;
}

void DesktopNotifier::fallBack(const Report &report, const QString &why)
{
    if (!m_toldNoServer)
        m_services.log->warn(QStringLiteral("Notifier: ") + why + QStringLiteral("; reports show in panels"));
    m_toldNoServer = true;
    m_notices.remove(report.cardKey);
    report.inPanel();
}

void DesktopNotifier::actionInvoked(uint id, const QString &key)
{
    const QString card = keyForId(id);
    if (card.isEmpty())
        return;
    Notice &notice = m_notices[card];
    if (key == QLatin1String(kShowFolderAction)) {
        m_services.log->info(QStringLiteral("Notifier: Show Folder chosen for ") + card);
        if (m_services.showFolder && notice.folder.isValid())
            m_services.showFolder(notice.folder);
    } else if (key == QLatin1String(kUnmountAction)) {
        m_services.log->info(QStringLiteral("Notifier: Unmount chosen for ") + card);
        notice.unmountAsked = true;
        if (m_onEjectRequested)
            m_onEjectRequested(notice.volume);
    }
}

void DesktopNotifier::closed(uint id)
{
    const QString card = keyForId(id);
    // Servers close a notification once an action is chosen; the unmount's outcome still
    // takes its place.
    if (!card.isEmpty() && !m_notices.value(card).unmountAsked)
        m_notices.remove(card);
}

QString DesktopNotifier::keyForId(uint id) const
{
    for (auto it = m_notices.cbegin(); it != m_notices.cend(); ++it) {
        if (it->id == id)
            return it.key();
    }
    return {};
}
