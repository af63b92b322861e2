#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// The computer's built-in card slots and what the card in each says about itself.
class CardSlotSource {
public:
    /// The card's own texts, as the system reports them (empty when it reports none).
    struct CardAttributes {
        QString type; ///< "SD", "MMC", "SDIO", ...
        QString name; ///< the product name
        QString serial; ///< as reported, for example "0x01a2b3c4"
    };

    virtual ~CardSlotSource() = default;

    /// The slots by the system's names ("mmc0"), in no particular order.
    virtual QStringList slotNames() const = 0;
    /// The card in `slot`; none when the slot is empty or gone.
    virtual std::optional<CardAttributes> cardIn(const QString &slot) const = 0;
};
