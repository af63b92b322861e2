#include "platform/Placement.h"

#include <algorithm>
#include <limits>

namespace {

qint64 saturatedSum(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(a, b, &sum))
        return sum;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

} // namespace

qint64 Placement::right() const
{
    return saturatedSum(left, width);
}

qint64 Placement::bottom() const
{
    return saturatedSum(top, height);
}

Placement Placement::withinValidRanges() const
{
    return {
        std::clamp(left, -kMaxCoordinate, kMaxCoordinate),
        std::clamp(top, -kMaxCoordinate, kMaxCoordinate),
        std::clamp(width, kMinSize, kMaxSize),
        std::clamp(height, kMinSize, kMaxSize),
    };
}
