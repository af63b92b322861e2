#include "ui/SnapshotRenderer.h"

#include "app/SnapshotOptions.h"
#include "ui/Appearance.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QWidget>

QImage SnapshotRenderer::render(QWidget &window)
{
    const QSize size(window.width(), window.height() + kTitleBarHeight);
    if (window.width() <= 0 || window.height() <= 0)
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(window.palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintTitleBar(painter, window, size.width());
    painter.end();
    window.render(
        &image, QPoint(0, kTitleBarHeight), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

void SnapshotRenderer::paintTitleBar(QPainter &painter, const QWidget &window, int width)
{
    const QPalette &palette = window.palette();
    const bool dark = Appearance::isDark(palette);
    const QRect bar(0, 0, width, kTitleBarHeight);
    painter.save();
    painter.fillRect(bar, dark ? QColor(0x24, 0x24, 0x26) : QColor(0xdc, 0xdc, 0xe0));
    painter.fillRect(QRect(0, kTitleBarHeight - 1, width, 1), Appearance::separatorColor(palette));

    QFont title = window.font();
    title.setPixelSize(13);
    title.setWeight(QFont::DemiBold);
    painter.setFont(title);
    painter.setPen(palette.color(QPalette::Active, QPalette::WindowText));
    painter.drawText(bar.adjusted(90, 0, -90, -1), Qt::AlignCenter, window.windowTitle());

    // Minimise, maximise and close on the right, as most Linux desktops place them.
    const QColor glyph = palette.color(QPalette::Active, QPalette::WindowText);
    const int centreY = kTitleBarHeight / 2;
    const int closeX = width - 22;
    painter.setPen(Qt::NoPen);
    painter.setBrush(dark ? QColor(0x3a, 0x3a, 0x3e) : QColor(0xc8, 0xc8, 0xcd));
    painter.drawEllipse(QPointF(closeX, centreY), 10, 10);
    painter.setPen(QPen(glyph, 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(closeX - 4, centreY - 4), QPointF(closeX + 4, centreY + 4));
    painter.drawLine(QPointF(closeX - 4, centreY + 4), QPointF(closeX + 4, centreY - 4));
    const int maximiseX = closeX - 30;
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(maximiseX - 4, centreY - 4, 8, 8));
    const int minimiseX = maximiseX - 30;
    painter.drawLine(QPointF(minimiseX - 4, centreY + 4), QPointF(minimiseX + 4, centreY + 4));
    painter.restore();
}

int SnapshotRenderer::writePng(const QImage &image, const QString &path)
{
    if (image.isNull())
        return SnapshotOptions::NoBitmap;
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return SnapshotOptions::NotEncoded;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size() || !file.commit())
        return SnapshotOptions::NotWritten;
    return SnapshotOptions::Written;
}
