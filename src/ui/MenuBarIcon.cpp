#include "ui/MenuBarIcon.h"

#include "ui/MenuBarIconEngine.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace {

// The drawing is specified with y growing upwards from the bottom-left corner; Qt's y grows
// downwards, so every y below is kSide - y of the specification. Arc angles are the same in
// both, as Qt measures them counter-clockwise as seen on screen.
constexpr qreal flip(qreal y)
{
    return MenuBarIcon::kSide - y;
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

} // namespace

void MenuBarIcon::paint(QPainter &painter, const QRectF &target, bool paused, const QColor &colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kSide, target.height() / kSide);
    painter.setBrush(Qt::NoBrush);

    static const QPainterPath outline = cardOutline();
    painter.setPen(QPen(colour, 1.1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.drawPath(outline);

    painter.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (qreal x : { 6.0, 8.5, 11.0 })
        painter.drawLine(QPointF(x, flip(14.5)), QPointF(x, flip(12.5)));

    if (paused) {
        painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(2.5, flip(2.5)), QPointF(15.5, flip(15.5)));
    }
    painter.restore();
}

QImage MenuBarIcon::image(bool paused, const QColor &colour, int side, qreal devicePixelRatio)
{
    const int pixels = qRound(side * devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, QRectF(0, 0, side, side), paused, colour);
    painter.end();
    return image;
}

QIcon MenuBarIcon::icon(bool paused, const QColor &colour)
{
    // Made once per variant and colour; the main thread is the only caller.
    static QHash<QPair<bool, QRgb>, QIcon> made;
    const QPair<bool, QRgb> key(paused, colour.rgba());
    auto found = made.constFind(key);
    if (found == made.constEnd())
        found = made.insert(key, QIcon(new MenuBarIconEngine(paused, colour)));
    return *found;
}

QColor MenuBarIcon::panelTextColour()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
}
