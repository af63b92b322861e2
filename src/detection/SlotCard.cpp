#include "detection/SlotCard.h"

QString SlotCard::identity(int slotIndex) const
{
    if (!serial.isEmpty())
        return QStringLiteral("slot:") + serial;
    return QStringLiteral("slot:") + productName + QLatin1Char('#') + QString::number(slotIndex);
}
