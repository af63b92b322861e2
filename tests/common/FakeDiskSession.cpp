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
