#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>

#include <functional>

class StateStore;

/// Remembers the volume name last seen for each card serial, so that a card resting ejected
/// in a built-in slot can be listed under the name its volume had. Main thread only.
class KnownCardNames {
public:
    static constexpr int kMaxSerials = 32;
    static constexpr qint64 kRewriteIntervalSeconds = 3600;
    static const QString kNamesKey; ///< "knownCardNamesBySerial"
    static const QString kLastSeenKey; ///< "knownCardNamesLastSeenBySerial"

    using Clock = std::function<QDateTime()>;

    /// `defaults` may be null: then nothing is remembered across restarts.
    explicit KnownCardNames(StateStore *defaults, Clock now = &QDateTime::currentDateTimeUtc);

    /// Serial to name; empty when nothing (or something of another type) is stored.
    QHash<QString, QString> knownCardNames() const;
    /// Records `name` for `serial`, keeping at most 32 serials (the longest unseen go first)
    /// and rewriting an unchanged record at most once an hour.
    void rememberCardName(const QString &name, const QString &serial);

private:
    QHash<QString, QDateTime> lastSeen() const;

    StateStore *m_defaults;
    Clock m_now;
};
