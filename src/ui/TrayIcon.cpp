#include "ui/TrayIcon.h"

#include "ui/TrayIconEngine.h"

#include <QPainter>
#include <QPainterPath>

#include <map>
#include <tuple>

namespace {

// The drawing's coordinates grow upwards from the bottom-left corner; Qt's y grows
// downwards, so every y below is kSide - y of the drawing. Arc angles are the same in
// both, as Qt measures them counter-clockwise as seen on screen.
constexpr qreal flip(qreal y)
{
    return TrayIcon::kSide - y;
}

QRectF arcBox(qreal centreX, qreal centreY, qreal radius)
{
    return QRectF(centreX - radius, flip(centreY) - radius, 2 * radius, 2 * radius);
}

QPainterPath cardOutline()
{
    QPainterPath path;
    path.moveTo(5.5, flip(2));
    path.lineTo(12.5, flip(2));
    path.arcTo(arcBox(12.5, 3.5, 1.5), 270, 90); // bottom-right corner
    path.lineTo(14, flip(12.5));
    path.lineTo(10.5, flip(16)); // the cut top-right corner
    path.lineTo(5.5, flip(16));
    path.arcTo(arcBox(5.5, 14.5, 1.5), 90, 90); // top-left corner
    path.lineTo(4, flip(10.5));
    path.lineTo(5.5, flip(10.5)); // the notch in the left edge
    path.lineTo(5.5, flip(8.5));
    path.lineTo(4, flip(8.5));
    path.lineTo(4, flip(3.5));
    path.arcTo(arcBox(5.5, 3.5, 1.5), 180, 90); // bottom-left corner
    path.closeSubpath();
    return path;
}

/// The strokes in `colour`, each `widen` points wider than drawn.
void strokes(QPainter &painter, bool paused, const QColor &colour, qreal widen)
{
    static const QPainterPath outline = cardOutline();
    // A widened stroke is an outline: square caps edge the ends as well as the sides.
    const Qt::PenCapStyle cap = widen > 0 ? Qt::SquareCap : Qt::FlatCap;
    painter.setPen(QPen(colour, 1.1 + widen, Qt::SolidLine, cap, Qt::RoundJoin));
    painter.drawPath(outline);

    painter.setPen(QPen(colour, 1.0 + widen, Qt::SolidLine, cap));
    for (qreal x : { 6.0, 8.5, 11.0 })
        painter.drawLine(QPointF(x, flip(14.5)), QPointF(x, flip(12.5)));

    if (paused) {
        painter.setPen(QPen(colour, 1.6 + widen, Qt::SolidLine, cap));
        painter.drawLine(QPointF(2.5, flip(2.5)), QPointF(15.5, flip(15.5)));
    }
}

} // namespace

void TrayIcon::paint(
    QPainter &painter, const QRectF &target, bool paused, const QColor &colour, const QColor &outline)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kSide, target.height() / kSide);
    painter.setBrush(Qt::NoBrush);
    if (outline.isValid())
        strokes(painter, paused, outline, 2 * kOutlineWidth);
    strokes(painter, paused, colour, 0);
    painter.restore();
}

QImage TrayIcon::image(
    bool paused, const QColor &colour, int side, qreal devicePixelRatio, const QColor &outline)
{
    const int pixels = qRound(side * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, QRectF(0, 0, side, side), paused, colour, outline);
    painter.end();
    return image;
}

QIcon TrayIcon::icon(bool paused, const QColor &colour, const QColor &outline)
{
    // Made once per variant and colours; the main thread is the only caller.
    static std::map<std::tuple<bool, QRgb, QRgb>, QIcon> made;
    const std::tuple<bool, QRgb, QRgb> key(paused, colour.rgba(), outline.isValid() ? outline.rgba() : 0);
    auto found = made.find(key);
    if (found == made.end())
        found = made.emplace(key, QIcon(new TrayIconEngine(paused, colour, outline))).first;
    return found->second;
}

QIcon TrayIcon::trayIcon(bool paused)
{
    return icon(paused, QColor(0xf5, 0xf5, 0xf7), QColor(0x1d, 0x1d, 0x1f));
}
