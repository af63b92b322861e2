#include "common/FakeDiskSession.h"

bool FakeDiskSession::start(Callbacks callbacks)
{
    if (!m_probe->startable)
        return false;
    m_probe->started = true;
    m_probe->callbacks = std::move(callbacks);
    return true;
}

void FakeDiskSession::stop()
{
    m_probe->stopped = true;
    m_probe->callbacks = {};
}

bool FakeDiskSession::mount(const QString &deviceName, Completion completion)
{
    if (!hasDisk(deviceName))
        return false;
    m_probe->requests.append(QStringLiteral("mount ") + deviceName);
    m_probe->pending.append(std::move(completion));
    return true;
}

bool FakeDiskSession::unmount(const QString &deviceName, Completion completion)
{
    if (!hasDisk(deviceName))
        return false;
    m_probe->requests.append(QStringLiteral("unmount ") + deviceName);
    m_probe->pending.append(std::move(completion));
    return true;
}
