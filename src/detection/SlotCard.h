#pragma once

#include <QString>

/// What a built-in SD slot says about the card in it.
struct SlotCard {
    QString serial; ///< empty when the slot reports none
    QString productName = QStringLiteral("Card"); ///< "Card" when the slot reports none

    /// A stable key for an ejected card: "slot:" + serial, or "slot:" + product + "#" + index.
    QString identity(int slotIndex) const;

    friend bool operator==(const SlotCard &, const SlotCard &) = default;
};
