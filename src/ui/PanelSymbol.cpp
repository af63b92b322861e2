#include "ui/PanelSymbol.h"

#include <QIcon>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap blank(int size, qreal devicePixelRatio)
{
    QPixmap pixmap(qRound(size * devicePixelRatio), qRound(size * devicePixelRatio));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

/// An arc's bounding square from its centre and radius.
QRectF around(qreal x, qreal y, qreal radius)
{
    return { x - radius, y - radius, 2 * radius, 2 * radius };
}

} // namespace

QPixmap PanelSymbol::report(const QColor &color, int size, qreal devicePixelRatio)
{
    QPixmap pixmap = blank(size, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn on an 18-unit grid, y downward: an SD card with its cut corner and three contacts.
    painter.scale(size / 18.0, size / 18.0);
    QPainterPath outline;
    outline.moveTo(5.5, 16);
    outline.lineTo(12.5, 16);
    outline.arcTo(around(12.5, 14.5, 1.5), 270, 90);
    outline.lineTo(14, 5.5);
    outline.lineTo(10.5, 2);
    outline.lineTo(5.5, 2);
    outline.arcTo(around(5.5, 3.5, 1.5), 90, 90);
    outline.lineTo(4, 7.5);
    outline.lineTo(5.5, 7.5);
    outline.lineTo(5.5, 9.5);
    outline.lineTo(4, 9.5);
    outline.lineTo(4, 14.5);
    outline.arcTo(around(5.5, 14.5, 1.5), 180, 90);
    outline.closeSubpath();
    painter.setPen(QPen(color, 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(outline);
    painter.setPen(QPen(color, 1.0, Qt::SolidLine, Qt::FlatCap));
    for (const qreal x : { 6.0, 8.5, 11.0 })
        painter.drawLine(QPointF(x, 3.5), QPointF(x, 5.5));
    return pixmap;
}

QPixmap PanelSymbol::problem(int size, qreal devicePixelRatio)
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral("dialog-warning"));
    if (!themed.isNull()) {
        QPixmap pixmap = themed.pixmap(QSize(size, size), devicePixelRatio);
        if (!pixmap.isNull())
            return pixmap;
    }
    QPixmap pixmap = blank(size, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 26.0, size / 26.0);
    QPainterPath triangle;
    triangle.moveTo(13, 2.5);
    triangle.lineTo(24.5, 23);
    triangle.lineTo(1.5, 23);
    triangle.closeSubpath();
    const QColor orange(0xff, 0x95, 0x00);
    painter.setPen(QPen(orange, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(orange);
    painter.drawPath(triangle);
    painter.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13, 9.5), QPointF(13, 16));
    painter.drawPoint(QPointF(13, 19.8));
    return pixmap;
}
