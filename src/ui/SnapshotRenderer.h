#pragma once

#include <QImage>
#include <QString>

class QWidget;

/// Draws a window into an image the way a desktop shows it, with a title bar of our own
/// (off screen there is no window manager to draw one), and writes it as a PNG file.
namespace SnapshotRenderer {

inline constexpr int kTitleBarHeight = 32;

/// The window's contents below a title bar carrying its title; a null image when none could
/// be prepared.
QImage render(QWidget &window);
/// Draws just the title bar across `width` pixels, in the window's palette.
void paintTitleBar(QPainter &painter, const QWidget &window, int width);
/// Encodes `image` as PNG and writes it whole to `path`; a SnapshotOptions exit code.
int writePng(const QImage &image, const QString &path);

} // namespace SnapshotRenderer
