#pragma once

#include <QColor>
#include <QIconEngine>

/// Draws the card icon at the exact size and pixel ratio of each request, so that it stays
/// sharp in every tray.
class TrayIconEngine final : public QIconEngine {
public:
    TrayIconEngine(bool paused, QColor colour, QColor outline = {});

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    QColor colourFor(QIcon::Mode mode) const;

    bool m_paused;
    QColor m_colour;
    QColor m_outline;
};
