#include "ui/TrayIconEngine.h"

#include "ui/TrayIcon.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>

TrayIconEngine::TrayIconEngine(bool paused, QColor colour, QColor outline)
    : m_paused(paused)
    , m_colour(colour)
    , m_outline(outline)
{
}

QColor TrayIconEngine::colourFor(QIcon::Mode mode) const
{
    QColor colour = m_colour;
    if (mode == QIcon::Disabled)
        colour.setAlphaF(colour.alphaF() * 0.4);
    return colour;
}

void TrayIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    Q_UNUSED(state);
    const int side = std::min(rect.width(), rect.height());
    const QRectF square(
        rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0, side, side);
    TrayIcon::paint(*painter, square, m_paused, colourFor(mode), m_outline);
}

QPixmap TrayIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return scaledPixmap(size, mode, state, 1.0);
}

QPixmap TrayIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    Q_UNUSED(state);
    // `size` is in device pixels; the drawing does not depend on the ratio, only the tag does.
    const int side = std::min(size.width(), size.height());
    QImage canvas = TrayIcon::image(m_paused, colourFor(mode), side, 1, m_outline);
    if (size.width() != size.height()) {
        // Centre the square drawing in a non-square request.
        QImage wide(size, QImage::Format_ARGB32_Premultiplied);
        wide.fill(Qt::transparent);
        QPainter painter(&wide);
        painter.drawImage(QPointF((size.width() - side) / 2.0, (size.height() - side) / 2.0), canvas);
        painter.end();
        canvas = wide;
    }
    canvas.setDevicePixelRatio(scale);
    return QPixmap::fromImage(canvas);
}

QList<QSize> TrayIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    Q_UNUSED(mode);
    Q_UNUSED(state);
    QList<QSize> sizes;
    for (int side : TrayIcon::kTraySizes)
        sizes.append(QSize(side, side));
    return sizes;
}

QIconEngine *TrayIconEngine::clone() const
{
    return new TrayIconEngine(m_paused, m_colour, m_outline);
}

QString TrayIconEngine::key() const
{
    return QStringLiteral("TrayIconEngine");
}
