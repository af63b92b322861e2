#include "support/CutOffLogger.h"

CutOffLogger::CutOffLogger(Logger &target)
    : m_target(&target)
{
}

void CutOffLogger::write(Level level, const QString &message)
{
    std::lock_guard lock(m_mutex);
    if (m_target)
        m_target->write(level, message);
}

void CutOffLogger::cutOff()
{
    m_cutOff = true;
    std::lock_guard lock(m_mutex);
    m_target = nullptr;
}
