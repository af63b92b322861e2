#pragma once

#include "platform/CardSlotSource.h"

/// The MMC hosts in sysfs as card slots: a host is a slot, and the card device under it
/// ("mmc0:aaaa") is the card, with its `type`, `name` and `serial` attributes.
class SysfsCardSlots final : public CardSlotSource {
public:
    /// `sysfsRoot` is normally "/sys".
    explicit SysfsCardSlots(QString sysfsRoot);

    QStringList slotNames() const override;
    std::optional<CardAttributes> cardIn(const QString &slot) const override;

private:
    QString hostsFolder() const;

    const QString m_sysfsRoot;
};
