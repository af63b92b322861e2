#include "support/WorkItem.h"

WorkItem::WorkItem(std::function<void()> work)
    : m_work(std::move(work))
{
}

void WorkItem::perform()
{
    if (!isCancelled() && m_work)
        m_work();
}
