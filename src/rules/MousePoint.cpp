#include "rules/MousePoint.h"

#include "rules/RuleValidator.h"

#include <algorithm>

MousePoint MousePoint::withinValidRanges() const
{
    using RuleValidator::kMaxCoordinate;
    return { std::clamp(x, -kMaxCoordinate, kMaxCoordinate), std::clamp(y, -kMaxCoordinate, kMaxCoordinate) };
}
