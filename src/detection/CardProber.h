#pragma once

#include "detection/MountedCard.h"
#include "platform/DiskDescriptionLookup.h"
#include "platform/MountTable.h"
#include "platform/VolumeValueReader.h"

#include <QHash>
#include <QList>
#include <QUrl>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

/// Decides whether a mounted volume is a memory card and reads the card's values. Safe from
/// any thread; the volume watcher reads cards on the card-read pool, never on the main thread.
class CardProber {
public:
    enum class CardProbe { card, notACard, unreadable };

    using DescriptionSessionFactory = std::function<std::unique_ptr<DiskDescriptionLookup>()>;

    /// One volume of a scan: the card and the device behind it (empty when unknown).
    struct ScannedCard {
        MountedCard card;
        QString deviceName;
    };

    struct Scan {
        QList<MountedCard> cards; ///< sorted with MountedCard::isOrderedBefore
        QHash<QString, QString> deviceNamesByKey; ///< standardized mount path to device name
    };

    CardProber(std::shared_ptr<const MountTable> mountTable,
        std::shared_ptr<const VolumeValueReader> volumeValues,
        DescriptionSessionFactory makeDescriptionSession);

    CardProbe probeCard(const QUrl &url);
    bool isCard(const QUrl &url) { return probeCard(url) == CardProbe::card; }
    std::optional<MountedCard> makeCard(const QUrl &url);
    /// The user-visible volumes mounted now, the topmost at each point; reads only the table.
    QList<QUrl> mountedVolumes() const;
    /// The card at `url` with its device name, for a scan; none when it is no card.
    std::optional<ScannedCard> scanCard(const QUrl &url);
    /// The scan of the cards read from mountedVolumes(): sorted, with their device names.
    static Scan finishScan(QList<ScannedCard> cards);
    std::optional<qint64> freeBytes(const QUrl &url) const;
    /// The kernel device name behind a mounted volume; empty when it cannot be found.
    QString deviceNameForVolume(const QString &mountPath);

    /// True when `path` lies under a root where removable media are mounted for the user
    /// ("/media/", "/run/media/") and no component below the root is hidden.
    static bool isUserVisibleMountPath(const QString &path);
    /// The key every map of the watcher uses for a volume: its path with "."/".." resolved.
    static QString standardizedPath(const QUrl &url);

private:
    std::optional<MountedCard> cardFromValues(const QUrl &url, const VolumeValues &values) const;
    std::optional<DiskDescription> describe(const QString &mountPath);

    const std::shared_ptr<const MountTable> m_mountTable;
    const std::shared_ptr<const VolumeValueReader> m_volumeValues;
    const DescriptionSessionFactory m_makeDescriptionSession;

    // The lookup session is not thread-safe; the lock serialises every use of it.
    std::mutex m_descriptionSessionLock;
    std::unique_ptr<DiskDescriptionLookup> m_descriptionSession;
};
