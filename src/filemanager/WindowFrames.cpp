#include "filemanager/WindowFrames.h"

#include <QString>

#include <algorithm>
#include <cstdlib>

namespace WindowFrames {

Request requestFor(const Placement &frame, const WindowService::FrameExtents &extents)
{
    // A frame smaller than its own decoration still asks for a window of one pixel. Negative
    // extents are a client-side shadow outside the visible frame: the window starts before it.
    const qint64 width = std::max<qint64>(1, frame.width - extents.left - extents.right);
    const qint64 height = std::max<qint64>(1, frame.height - extents.top - extents.bottom);
    return { QPoint(int(frame.left + std::min(0, extents.left)), int(frame.top + std::min(0, extents.top))),
        QSize(int(width), int(height)) };
}

Placement frameOf(const QRect &client, const WindowService::FrameExtents &extents)
{
    return Placement { qint64(client.x()) - extents.left, qint64(client.y()) - extents.top,
        qint64(client.width()) + extents.left + extents.right,
        qint64(client.height()) + extents.top + extents.bottom };
}

bool isClose(const Placement &actual, const Placement &wanted, int tolerance)
{
    const auto near = [tolerance](qint64 a, qint64 b) { return std::llabs(a - b) <= tolerance; };
    return near(actual.left, wanted.left) && near(actual.top, wanted.top)
        && near(actual.right(), wanted.right()) && near(actual.bottom(), wanted.bottom());
}

QString boundsText(const Placement &frame)
{
    return QStringLiteral("{%1, %2, %3, %4}")
        .arg(frame.left)
        .arg(frame.top)
        .arg(frame.right())
        .arg(frame.bottom());
}

} // namespace WindowFrames
