#include "finder/MouseWarp.h"

#include "platform/PointerControl.h"
#include "support/Logger.h"

#include <cmath>

void MouseWarp::warp(const MousePoint &point, PointerControl &pointer, Logger &log)
{
    // No clamping: validation already keeps the rule's point within ±20000.
    pointer.moveTo(QPointF(double(point.x), double(point.y)));
    log.info(QStringLiteral("MouseWarp.warp(to: %1, %2)").arg(point.x).arg(point.y));
}

MousePoint MouseWarp::currentPosition(const PointerControl &pointer)
{
    // std::round takes halves away from zero.
    const QPointF at = pointer.position();
    return {qint64(std::round(at.x())), qint64(std::round(at.y()))};
}
