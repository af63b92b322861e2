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

bool FakeDiskSession::mount(const QString &bsdName, Completion completion)
{
    if (!hasDisk(bsdName))
        return false;
    m_probe->requests.append(QStringLiteral("mount ") + bsdName);
    m_probe->pending.append(std::move(completion));
    return true;
}

bool FakeDiskSession::unmount(const QString &bsdName, Completion completion)
{
    if (!hasDisk(bsdName))
        return false;
    m_probe->requests.append(QStringLiteral("unmount ") + bsdName);
    m_probe->pending.append(std::move(completion));
    return true;
}
