#include "filemanager/MouseWarp.h"

#include "platform/PointerControl.h"
#include "support/Logger.h"

#include <algorithm>
#include <cmath>

void MouseWarp::warp(const MousePoint &wanted, PointerControl &pointer, Logger &log)
{
    // Validation keeps a saved point within ±20000, but a rule loaded from a file was never
    // validated.
    const MousePoint point = wanted.withinValidRanges();
    pointer.moveTo(QPointF(double(point.x), double(point.y)));
    log.info(QStringLiteral("MouseWarp.warp(to: %1, %2)").arg(point.x).arg(point.y));
}

MousePoint MouseWarp::currentPosition(const PointerControl &pointer)
{
    // std::round takes halves away from zero. Converting a double beyond the 64-bit range
    // is undefined, so a position no screen can have is held at a bound first.
    const auto whole = [](double value) {
        constexpr double kBound = 0x1p53;
        return std::isnan(value) ? qint64(0) : qint64(std::round(std::clamp(value, -kBound, kBound)));
    };
    const QPointF at = pointer.position();
    return { whole(at.x()), whole(at.y()) };
}
