#pragma once

#include "platform/Placement.h"
#include "platform/WindowService.h"

#include <QPoint>
#include <QRect>
#include <QSize>

/// Placements are outer frames (decoration included); the window manager moves frames but
/// sizes the window inside them. These convert between the two.
namespace WindowFrames {

struct Request {
    QPoint frameTopLeft;
    QSize clientSize;
    friend bool operator==(const Request &, const Request &) = default;
};

/// What to ask the window manager for so that the outer frame covers `frame`.
Request requestFor(const Placement &frame, const WindowService::FrameExtents &extents);

/// The outer frame around a window whose own area is `client`.
Placement frameOf(const QRect &client, const WindowService::FrameExtents &extents);

/// True when every edge of `actual` is within `tolerance` pixels of `wanted`.
bool isClose(const Placement &actual, const Placement &wanted, int tolerance);

/// "{left, top, right, bottom}", as bounds are written in the log.
QString boundsText(const Placement &frame);

} // namespace WindowFrames
