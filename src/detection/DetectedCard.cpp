#include "detection/DetectedCard.h"

#include "support/LocalizedCompare.h"

bool DetectedCard::isOrderedBefore(const DetectedCard &a, const DetectedCard &b)
{
    const int order = LocalizedCompare::compare(a.name, b.name);
    if (order != 0)
        return order < 0;
    return a.deviceName < b.deviceName;
}
