#include "ui/Notifier.h"

#include "app/CardReportText.h"
#include "platform/MotionPreference.h"
#include "rules/RulesProvider.h"
#include "support/LogCategories.h"
#include "support/Logger.h"
#include "ui/NotificationPanel.h"
#include "ui/NotificationPanelView.h"
#include "ui/model/PanelStack.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

Notifier::Notifier(Services services)
    : m_services(services)
{
    PanelStack::Services stack;
    stack.log = m_services.log;
    stack.timers = m_services.timers;
    stack.makeView
        = [this](const PanelContent &content, PanelView::Events events) -> std::unique_ptr<PanelView> {
        m_windows.removeAll(nullptr);
        auto *window = new NotificationPanel(content, std::move(events), m_services.seeThroughWorks);
        window->setWindowFlag(Qt::X11BypassWindowManagerHint, m_services.bypassWindowManager);
        if (m_services.markAsNotification) {
            window->winId(); // the native window the hints go on
            m_services.markAsNotification(window->windowHandle());
        }
        m_windows.append(window);
        return std::make_unique<NotificationPanelView>(window);
    };
    stack.availableArea = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        if (!screen && !QGuiApplication::screens().isEmpty())
            screen = QGuiApplication::screens().constFirst();
        return screen ? screen->availableGeometry() : QRect();
    };
    stack.pointer = [] { return QCursor::pos(); };
    stack.layoutDirection = [] { return QGuiApplication::layoutDirection(); };
    stack.reducedMotion = [motion = m_services.motion] { return motion && motion->prefersReducedMotion(); };
    m_stack = std::make_unique<PanelStack>(std::move(stack));
    followScreens();
}

Notifier::~Notifier()
{
    m_stack.reset();
    for (const QPointer<NotificationPanel> &window : std::as_const(m_windows))
        delete window.data();
}

void Notifier::setup()
{
    m_services.log->info(QStringLiteral("Notifier ready (in-app panels, no permission needed)"));
    if (m_services.bypassWindowManager)
        m_services.log->info(QStringLiteral("Notifier: panels bypass the window manager, which on a Wayland "
                                            "session would place them itself"));
}

void Notifier::setOnEjectRequested(std::function<void(const QUrl &)> callback)
{
    m_onEjectRequested = std::move(callback);
}

void Notifier::cardOpened(const MountedCard &card, const ResolvedTarget &target, std::optional<int> fileCount)
{
    qCDebug(lcUi) << "report panel for" << card.name;
    if (!m_services.rules->settings().showNotifications) {
        m_services.log->info(
            QStringLiteral("Notifier: skipping card-opened panel (notifications disabled)."));
        return;
    }
    // The stack goes with the notifier, so its buttons never outlive it.
    m_stack->present(
        card.name, CardReportText::openedBody(card, target, fileCount), false, [this, volume = card.url] {
            if (m_onEjectRequested)
                m_onEjectRequested(volume);
        });
}

void Notifier::cardProblem(const MountedCard &card, const UserText &message)
{
    qCDebug(lcUi) << "problem panel for" << card.name;
    m_stack->present(card.name, message, true, {});
}

void Notifier::followScreens()
{
    // A panel or dock that appears, or a screen that goes, must not leave panels beneath it.
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    const auto watch = [this](QScreen *screen) {
        QObject::connect(
            screen, &QScreen::availableGeometryChanged, &m_screenWatch, [this] { m_stack->reflow(); });
    };
    for (QScreen *screen : QGuiApplication::screens())
        watch(screen);
    QObject::connect(app, &QGuiApplication::screenAdded, &m_screenWatch, [this, watch](QScreen *screen) {
        watch(screen);
        m_stack->reflow();
    });
    QObject::connect(app, &QGuiApplication::screenRemoved, &m_screenWatch, [this] { m_stack->reflow(); });
    QObject::connect(
        app, &QGuiApplication::primaryScreenChanged, &m_screenWatch, [this] { m_stack->reflow(); });
}
