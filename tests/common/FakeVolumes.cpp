#include "common/FakeVolumes.h"

#include <QFileInfo>

std::optional<DiskDescription> FakeVolumes::Lookup::describeVolume(const QString &mountPath)
{
    std::lock_guard lock(m_volumes->m_mutex);
    const auto found = m_volumes->m_descriptions.constFind(mountPath);
    if (found == m_volumes->m_descriptions.cend())
        return std::nullopt;
    return *found;
}

void FakeVolumes::passGate() const
{
    std::unique_lock lock(m_mutex);
    ++m_waiting;
    m_gateChanged.notify_all();
    m_gateChanged.wait(lock, [this] { return !m_gateClosed; });
    --m_waiting;
}

std::optional<VolumeValues> FakeVolumes::read(const QString &mountPath) const
{
    passGate();
    return lookUp(mountPath);
}

std::optional<VolumeValues> FakeVolumes::lookUp(const QString &mountPath) const
{
    std::unique_lock lock(m_mutex);
    m_gateChanged.wait(lock, [&] { return !m_hung.contains(mountPath); });
    ++m_reads;
    if (m_unreadable.contains(mountPath))
        return std::nullopt;
    const auto found = m_values.constFind(mountPath);
    if (found == m_values.cend())
        return std::nullopt;
    return *found;
}

std::optional<qint64> FakeVolumes::availableBytes(const QString &mountPath) const
{
    const std::optional<VolumeValues> values = lookUp(mountPath);
    return values ? values->availableBytes : std::nullopt;
}

void FakeVolumes::addCard(
    const QString &mountPath, const QString &name, const QString &volumeKind, DiskBus bus)
{
    VolumeValues values;
    values.isRemovable = true;
    values.isEjectable = true;
    values.isLocal = true;
    values.name = name;
    values.availableBytes = 31'900'000'000;
    setValues(mountPath, values);
    DiskDescription description;
    description.deviceName
        = QStringLiteral("sd") + QFileInfo(mountPath).fileName().toLower() + QStringLiteral("1");
    description.volumePath = mountPath;
    description.volumeName = name;
    description.bus = bus;
    description.volumeKind = volumeKind;
    description.isMountable = true;
    description.isRemovable = true;
    description.isEjectable = true;
    setDescription(mountPath, description);
}

void FakeVolumes::setHung(const QString &mountPath, bool hung)
{
    std::lock_guard lock(m_mutex);
    if (hung)
        m_hung.insert(mountPath);
    else
        m_hung.remove(mountPath);
    m_gateChanged.notify_all();
}

void FakeVolumes::setValues(const QString &mountPath, const VolumeValues &values)
{
    std::lock_guard lock(m_mutex);
    m_values.insert(mountPath, values);
}

void FakeVolumes::setDescription(const QString &mountPath, const DiskDescription &description)
{
    std::lock_guard lock(m_mutex);
    m_descriptions.insert(mountPath, description);
}

void FakeVolumes::setUnreadable(const QString &mountPath, bool unreadable)
{
    std::lock_guard lock(m_mutex);
    if (unreadable)
        m_unreadable.insert(mountPath);
    else
        m_unreadable.remove(mountPath);
}

void FakeVolumes::closeGate()
{
    std::lock_guard lock(m_mutex);
    m_gateClosed = true;
}

void FakeVolumes::openGate()
{
    {
        std::lock_guard lock(m_mutex);
        m_gateClosed = false;
    }
    m_gateChanged.notify_all();
}

int FakeVolumes::readsWaiting() const
{
    std::lock_guard lock(m_mutex);
    return m_gateClosed ? m_waiting : 0;
}

int FakeVolumes::readCount() const
{
    std::lock_guard lock(m_mutex);
    return m_reads;
}
