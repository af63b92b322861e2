#include "ui/model/PanelStack.h"

#include "support/Logger.h"

#include <QPointer>

#include <algorithm>

PanelStack::PanelStack(Services services)
    : m_services(std::move(services))
{
}

PanelStack::~PanelStack() = default;

PanelStack::PanelId PanelStack::present(
    const QString &title, const UserText &shownBody, bool isProblem, std::function<void()> ejectAction)
{
    m_services.log->info(QStringLiteral("Notifier: showing panel \"") + title + QStringLiteral(": ")
        + shownBody.english() + QLatin1Char('"'));
    const QString &body = shownBody.shown();

    if (isProblem) {
        QList<PanelId> same;
        for (const std::unique_ptr<Panel> &shown : m_panels) {
            if (!shown->isClosing && shown->content.isProblem && shown->content.title == title
                && shown->content.body == body)
                same.append(shown->id);
        }
        for (const PanelId id : std::as_const(same))
            dismiss(id);
    }
    const QList<PanelId> live = livePanels();
    const auto keep = kMaxLivePanels - 1;
    if (live.size() > keep) {
        const auto excess = live.size() - keep;
        m_services.log->info(
            QStringLiteral("Notifier: %1 panels on screen, dismissing the oldest %2 to stay under %3")
                .arg(live.size())
                .arg(excess)
                .arg(kMaxLivePanels));
        for (qsizetype i = 0; i < excess; ++i)
            dismiss(live.at(i));
    }

    auto panel = std::make_unique<Panel>();
    panel->id = m_nextId++;
    panel->dismissDelay = isProblem ? kProblemDelay : kReportDelay;
    panel->ejectAction = std::move(ejectAction);
    panel->content = { title, body, isProblem, bool(panel->ejectAction) };
    panel->view = m_services.makeView(panel->content, eventsFor(panel->id));
    resetDismissTimer(*panel);
    armLifetimeTimer(*panel);

    const PanelId id = panel->id;
    PanelView &view = *panel->view;
    m_panels.push_back(std::move(panel));
    // Placed before it is shown, so the window appears where it belongs.
    reflow();
    view.show();
    return id;
}

void PanelStack::reflow()
{
    const QRect area = m_services.availableArea();
    if (area.isEmpty())
        return;
    const QPoint pointer = m_services.pointer();
    const bool rightToLeft = m_services.layoutDirection && m_services.layoutDirection() == Qt::RightToLeft;
    const int right = area.x() + area.width();
    const int bottom = area.y() + area.height();
    int y = area.y() + kEdgeInset;
    for (const auto &panel : m_panels) {
        if (panel->isClosing)
            continue;
        const QSize size = panel->view->size();
        // One that would run off the bottom rests on it instead.
        const int x = rightToLeft ? area.x() + kEdgeInset : right - kEdgeInset - size.width();
        const QRect frame(x, std::min(y, bottom - size.height()), size.width(), size.height());
        panel->view->moveTo(frame.topLeft());
        if (!panel->dismissTimer && !frame.contains(pointer))
            resetDismissTimer(*panel);
        y += size.height() + kSpacing;
    }
}

void PanelStack::dismiss(PanelId id)
{
    Panel *panel = find(id);
    if (!panel || panel->isClosing)
        return;
    panel->isClosing = true;
    panel->dismissTimer.reset();
    panel->lifetimeTimer.reset();
    if (m_services.reducedMotion()) {
        panel->view->close();
        closed(id);
        return;
    }
    panel->view->fadeOut([this, id, alive = QPointer<PanelStack>(this)] {
        if (!alive)
            return;
        if (Panel *faded = find(id))
            faded->view->close();
        closed(id);
    });
}

QList<PanelStack::PanelId> PanelStack::livePanels() const
{
    QList<PanelId> ids;
    for (const auto &panel : m_panels) {
        if (!panel->isClosing)
            ids.append(panel->id);
    }
    return ids;
}

PanelStack::Panel *PanelStack::find(PanelId id)
{
    const auto it
        = std::find_if(m_panels.begin(), m_panels.end(), [id](const auto &panel) { return panel->id == id; });
    return it == m_panels.end() ? nullptr : it->get();
}

PanelView::Events PanelStack::eventsFor(PanelId id)
{
    // Each event may arrive after the panel or the stack has gone; then it does nothing.
    const auto guarded = [this, id, alive = QPointer<PanelStack>(this)](void (PanelStack::*action)(PanelId)) {
        return [this, id, alive, action] {
            if (alive)
                (this->*action)(id);
        };
    };
    PanelView::Events events;
    events.clicked = guarded(&PanelStack::dismiss);
    events.pointerEntered = guarded(&PanelStack::pointerEntered);
    events.pointerExited = guarded(&PanelStack::pointerExited);
    events.unmountPressed = guarded(&PanelStack::ejectTapped);
    return events;
}

void PanelStack::resetDismissTimer(Panel &panel)
{
    if (panel.isClosing)
        return;
    panel.dismissTimer = m_services.timers->start(panel.dismissDelay, [this, id = panel.id] { dismiss(id); });
}

void PanelStack::armLifetimeTimer(Panel &panel)
{
    panel.lifetimeTimer = m_services.timers->start(kLifetime, [this, id = panel.id] { dismiss(id); });
}

void PanelStack::pointerEntered(PanelId id)
{
    if (Panel *panel = find(id))
        panel->dismissTimer.reset();
}

void PanelStack::pointerExited(PanelId id)
{
    if (Panel *panel = find(id))
        resetDismissTimer(*panel);
}

void PanelStack::ejectTapped(PanelId id)
{
    // A second press while the panel fades out would unmount twice.
    Panel *panel = find(id);
    if (!panel || panel->isClosing)
        return;
    // The action may show another panel, so the panel is looked up again afterwards.
    const auto action = panel->ejectAction;
    if (action)
        action();
    dismiss(id);
}

void PanelStack::closed(PanelId id)
{
    const auto it
        = std::find_if(m_panels.begin(), m_panels.end(), [id](const auto &panel) { return panel->id == id; });
    if (it == m_panels.end())
        return;
    m_panels.erase(it);
    // With the showing line, the log tells how long a panel stayed.
    m_services.log->info(QStringLiteral("Notifier: panel closed"));
    reflow();
}
