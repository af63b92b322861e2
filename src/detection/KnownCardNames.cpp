#include "detection/KnownCardNames.h"

#include "platform/StateStore.h"

#include <QVariantMap>

#include <algorithm>

const QString KnownCardNames::kNamesKey = QStringLiteral("knownCardNamesBySerial");
const QString KnownCardNames::kLastSeenKey = QStringLiteral("knownCardNamesLastSeenBySerial");

KnownCardNames::KnownCardNames(StateStore *defaults, Clock now)
    : m_defaults(defaults)
    , m_now(std::move(now))
{
}

QHash<QString, QString> KnownCardNames::knownCardNames() const
{
    QHash<QString, QString> names;
    if (!m_defaults)
        return names;
    const QVariant stored = m_defaults->value(kNamesKey);
    if (stored.typeId() != QMetaType::QVariantMap)
        return names;
    const QVariantMap map = stored.toMap();
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
        if (entry.value().typeId() == QMetaType::QString)
            names.insert(entry.key(), entry.value().toString());
    }
    return names;
}

QHash<QString, QDateTime> KnownCardNames::lastSeen() const
{
    QHash<QString, QDateTime> dates;
    if (!m_defaults)
        return dates;
    const QVariant stored = m_defaults->value(kLastSeenKey);
    if (stored.typeId() != QMetaType::QVariantMap)
        return dates;
    const QVariantMap map = stored.toMap();
    for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
        if (entry.value().typeId() == QMetaType::QDateTime && entry.value().toDateTime().isValid())
            dates.insert(entry.key(), entry.value().toDateTime());
    }
    return dates;
}

void KnownCardNames::rememberCardName(const QString &name, const QString &serial)
{
    if (serial.isEmpty() || !m_defaults)
        return;
    QHash<QString, QString> names = knownCardNames();
    QHash<QString, QDateTime> seen = lastSeen();
    const QDateTime now = m_now();

    const auto seenAt = seen.constFind(serial);
    if (names.value(serial) == name && names.contains(serial) && seenAt != seen.cend()
        && seenAt->secsTo(now) < kRewriteIntervalSeconds)
        return;

    names.insert(serial, name);
    seen.insert(serial, now);

    if (names.size() > kMaxSerials) {
        QStringList serials = names.keys();
        // Oldest first; a serial never seen counts as the distant past. Ties by serial, so the
        // choice does not depend on hash order.
        std::sort(serials.begin(), serials.end(), [&seen](const QString &a, const QString &b) {
            const QDateTime dateA = seen.value(a);
            const QDateTime dateB = seen.value(b);
            if (dateA.isValid() != dateB.isValid())
                return !dateA.isValid();
            if (dateA != dateB)
                return dateA < dateB;
            return a < b;
        });
        for (qsizetype i = 0; i < serials.size() - kMaxSerials; ++i)
            names.remove(serials.at(i));
    }
    seen.removeIf(
        [&names](const QHash<QString, QDateTime>::iterator &entry) { return !names.contains(entry.key()); });

    QVariantMap storedNames;
    for (auto entry = names.cbegin(); entry != names.cend(); ++entry)
        storedNames.insert(entry.key(), entry.value());
    QVariantMap storedSeen;
    for (auto entry = seen.cbegin(); entry != seen.cend(); ++entry)
        storedSeen.insert(entry.key(), entry.value());
    m_defaults->setValue(kNamesKey, storedNames);
    m_defaults->setValue(kLastSeenKey, storedSeen);
}
