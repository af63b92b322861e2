#include "platform/linux/DescriptorWatch.h"

#include <QSocketNotifier>

DescriptorWatch::~DescriptorWatch()
{
    stop();
}

void DescriptorWatch::start(int fd, std::function<void()> onReadable)
{
    stop();
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    QObject::connect(
        m_notifier, &QSocketNotifier::activated, m_notifier, [this, onReadable = std::move(onReadable)] {
            m_inCallback = true;
            onReadable();
            m_inCallback = false;
        });
}

void DescriptorWatch::stop()
{
    if (!m_notifier)
        return;
    m_notifier->setEnabled(false);
    QObject::disconnect(m_notifier, nullptr, nullptr, nullptr);
    // Inside its own signal the notifier must outlive the call; otherwise it goes at once,
    // since the event loop may already have ended.
    if (m_inCallback)
        m_notifier->deleteLater();
    else
        delete m_notifier;
    m_notifier = nullptr;
}
