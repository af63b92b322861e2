#include "platform/linux/SysfsCardSlots.h"

#include <QDir>
#include <QFile>

namespace {

QString readAttribute(const QString &folder, const QString &name)
{
    QFile file(folder + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Attributes are short; a bounded read keeps a strange file from costing much.
    return QString::fromUtf8(file.read(256)).trimmed();
}

} // namespace

SysfsCardSlots::SysfsCardSlots(QString sysfsRoot)
    : m_sysfsRoot(std::move(sysfsRoot))
{
}

QString SysfsCardSlots::hostsFolder() const
{
    return m_sysfsRoot + QStringLiteral("/class/mmc_host");
}

QStringList SysfsCardSlots::slotNames() const
{
    return QDir(hostsFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

std::optional<CardSlotSource::CardAttributes> SysfsCardSlots::cardIn(const QString &slot) const
{
    const QString hostFolder = hostsFolder() + QLatin1Char('/') + slot;
    QStringList cards
        = QDir(hostFolder).entryList({ slot + QStringLiteral(":*") }, QDir::Dirs | QDir::NoDotAndDotDot);
    if (cards.isEmpty())
        return std::nullopt;
    cards.sort();
    const QString card = hostFolder + QLatin1Char('/') + cards.first();
    return CardAttributes { readAttribute(card, QStringLiteral("type")),
        readAttribute(card, QStringLiteral("name")), readAttribute(card, QStringLiteral("serial")) };
}
