#include "detection/DiskServicePresence.h"

void DiskServicePresence::reset()
{
    m_present = false;
    m_departed = false;
}

bool DiskServicePresence::ready()
{
    m_present = true;
    if (!m_departed)
        return false;
    m_departed = false;
    m_logger.info(QStringLiteral("The disk service (udisks2) is back; disks are handled through it again"));
    return true;
}

void DiskServicePresence::departed()
{
    if (!m_present)
        return;
    m_present = false;
    m_departed = true;
    m_logger.warn(QStringLiteral("The disk service (udisks2) went away; unmounting uses the umount "
                                 "command until it returns"));
}
