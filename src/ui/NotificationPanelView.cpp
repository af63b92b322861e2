#include "ui/NotificationPanelView.h"

#include "ui/NotificationPanel.h"

NotificationPanelView::NotificationPanelView(NotificationPanel *panel)
    : m_panel(panel)
{
}

NotificationPanelView::~NotificationPanelView()
{
    if (!m_panel)
        return;
    m_panel->hide();
    m_panel->deleteLater();
}

QSize NotificationPanelView::size() const
{
    return m_panel ? m_panel->size() : QSize();
}

void NotificationPanelView::moveTo(const QPoint &topLeft)
{
    if (m_panel)
        m_panel->move(topLeft);
}

void NotificationPanelView::show()
{
    if (!m_panel)
        return;
    m_panel->show();
    m_panel->raise();
}

void NotificationPanelView::fadeOut(std::function<void()> done)
{
    if (m_panel)
        m_panel->fadeOut(std::move(done));
    else if (done)
        done();
}

void NotificationPanelView::close()
{
    if (m_panel)
        m_panel->hide();
}
