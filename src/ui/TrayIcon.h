#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

class QPainter;
class QRectF;

/// Mirvale's only artwork, drawn in code: the outline of an SD card, and the same with a
/// diagonal stroke while watching is paused. Like a template image it is a mask: every stroke
/// is one colour on a transparent ground, the colour being the panel's text colour.
namespace TrayIcon {

/// The side of the drawing, in points.
inline constexpr qreal kSide = 18;
/// The sizes a tray asks for, in device-independent pixels.
inline constexpr int kTraySizes[] = { 16, 22, 24, 32, 48, 64 };

/// The width of the outline around every stroke, in points, when one is asked for.
inline constexpr qreal kOutlineWidth = 0.9;

/// The icon in `colour`, drawn sharp at whatever size and pixel ratio is asked for, each
/// stroke edged in `outline` when that is valid. The same icon object (same cacheKey) is
/// returned for the same variant and colours.
QIcon icon(bool paused, const QColor &colour, const QColor &outline = {});

/// One image `side` × `side` device-independent pixels at `devicePixelRatio`.
QImage image(
    bool paused, const QColor &colour, int side, qreal devicePixelRatio = 1, const QColor &outline = {});

/// Draws the icon into `target` (a square) with `painter`.
void paint(
    QPainter &painter, const QRectF &target, bool paused, const QColor &colour, const QColor &outline = {});

/// The tray's own drawing, for trays that show the pixels as drawn on a panel of unknown
/// colour: a light card edged in dark, legible on dark and light panels alike.
QIcon trayIcon(bool paused);

} // namespace TrayIcon
