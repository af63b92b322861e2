#pragma once

#include "platform/DiskDescriptionLookup.h"
#include "platform/VolumeValueReader.h"

#include <QHash>
#include <QSet>

#include <condition_variable>
#include <memory>
#include <mutex>

/// Volume values and disk descriptions the test scripts, by mount path. Reads can be held
/// at a gate to freeze the probe queue at a chosen moment.
class FakeVolumes final : public VolumeValueReader {
public:
    /// A lookup session over these volumes, as the description-session factory makes them.
    class Lookup final : public DiskDescriptionLookup {
    public:
        explicit Lookup(std::shared_ptr<FakeVolumes> volumes)
            : m_volumes(std::move(volumes))
        {
        }
        std::optional<DiskDescription> describeVolume(const QString &mountPath) override;

    private:
        std::shared_ptr<FakeVolumes> m_volumes;
    };

    std::optional<VolumeValues> read(const QString &mountPath) const override;
    std::optional<qint64> availableBytes(const QString &mountPath) const override;

    /// A removable card with a disk description ("exfat" on a USB reader unless told otherwise).
    void addCard(const QString &mountPath, const QString &name,
        const QString &volumeKind = QStringLiteral("exfat"), DiskBus bus = DiskBus::Usb);
    void setValues(const QString &mountPath, const VolumeValues &values);
    void setDescription(const QString &mountPath, const DiskDescription &description);
    void setUnreadable(const QString &mountPath, bool unreadable);

    /// While closed, read() waits; readsWaiting() tells how many are held. Free-space reads
    /// pass, so a refresh of the card list cannot stand in for the probe or settle read held.
    void closeGate();
    void openGate();
    int readsWaiting() const;
    /// While hung, every read of the card waits, as on a card whose FUSE daemon is stopped.
    void setHung(const QString &mountPath, bool hung);
    int readCount() const;

private:
    void passGate() const;
    std::optional<VolumeValues> lookUp(const QString &mountPath) const;

    mutable std::mutex m_mutex;
    mutable std::condition_variable m_gateChanged;
    QHash<QString, VolumeValues> m_values;
    QHash<QString, DiskDescription> m_descriptions;
    QSet<QString> m_unreadable;
    QSet<QString> m_hung;
    bool m_gateClosed = false;
    mutable int m_waiting = 0;
    mutable int m_reads = 0;
};
